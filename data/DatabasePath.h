#pragma once

#include <QString>
#include <QStringList>

// The database name lives in "Zanderol.ini", section Baza, key Plik. The file is read
// from the first of these places that holds one: beside the executable (where the
// program always looked), the user's configuration directory
// ($XDG_CONFIG_HOME/zanderol, for an installed program whose executable directory
// is not the user's to write), and /etc/zanderol for a machine-wide setting.
QString ReadDatabasePath();

// Names the database in the user's configuration. Where the file that is read lies
// beside the executable or is the user's own, that file is changed (any other file
// would never be read); otherwise the user's own is created. Empty on success,
// otherwise what went wrong, for the user.
QString WriteDatabasePath(const QString &databaseName);

// The places searched, in order (a directory set by SetConfigDirectory stands alone).
QStringList ConfigFileCandidates();
// The first candidate that is a file; empty when there is none.
QString FindConfigFile(const QStringList &candidates);
// The file a new setting goes to: the one found unless it is the machine-wide one.
QString ConfigFileForWriting(const QStringList &candidates);

// Pins the search to one directory (tests and the screenshot program use their own;
// an empty text restores the default places).
void SetConfigDirectory(const QString &directory);
QString ConfigFilePath();
