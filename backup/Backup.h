#pragma once

#include <QString>
#include <functional>

// Firebird's own backup and restore of a Zanderol database, through the service
// manager of the engine that holds it (FbService): a backup is taken from committed
// data while the program keeps working, a restore makes a new database file and never
// touches an existing one. Every failure throws FbError with a Polish message that says
// what failed, the likely cause where the engine's words name one, and the engine's own
// words. Each line of the engine's progress goes to progress.
using BackupProgress = std::function<void(const QString &line)>;

// For a server database the backup file is a path on the server.
void BackupDatabase(const QString &databaseName, const QString &backupFile, const BackupProgress &progress);

// Restores into newDatabaseName, which must not exist yet (a server-qualified name
// restores on that server), and validates the result.
void RestoreDatabase(const QString &backupFile, const QString &newDatabaseName, const BackupProgress &progress);

// The engine's validation of every page and record; throws when it finds an error.
void ValidateDatabase(const QString &databaseName);
