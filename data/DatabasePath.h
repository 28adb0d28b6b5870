#pragma once

#include <QString>

// The database name lives in "Zanderol.ini" beside the executable, section Baza, key Plik.
QString ReadDatabasePath();

// The directory searched for that file: the executable's own unless set (tests
// point it at a directory of their own; an empty text restores the default).
void SetConfigDirectory(const QString &directory);
QString ConfigFilePath();
