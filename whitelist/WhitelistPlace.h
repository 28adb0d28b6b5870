#pragma once

#include <QString>

// Where the index of the white list lives: the directory named in Zanderol.ini,
// section Wykaz, key Katalog (an office whose desktops share one list), otherwise the
// user's data directory, where the demo database lies too
// (${XDG_DATA_HOME:-~/.local/share}/Zanderol).
QString WhitelistDirectory();

// The index file within such a directory.
QString WhitelistIndexPath(const QString &directory);
