#pragma once

#include "DatabaseCreator.h"

#include <QString>
#include <functional>

// Firebird's own backup and restore of a Zanderol database, through the service
// manager of the engine that holds it (FbService): a backup is taken from committed
// data while the program keeps working, a restore makes a new database file and never
// touches an existing one. Every failure throws FbError with a Polish message that says
// what failed, the likely cause where the engine's words name one, and the engine's own
// words. Each line of the engine's progress goes to progress. Every task runs with the
// login given, the one the program is connected with: never the built-in one, which
// an office's server refuses (or, where it still has its password, lets anyone in as
// the server's administrator).
using BackupProgress = std::function<void(const QString &line)>;

// For a server database the backup file is a path on the server.
void BackupDatabase(const QString &databaseName, const DatabaseLogin &login, const QString &backupFile,
                    const BackupProgress &progress);

// Restores into newDatabaseName, which must not exist yet (a server-qualified name
// restores on that server), and validates the result.
void RestoreDatabase(const QString &backupFile, const QString &newDatabaseName, const DatabaseLogin &login,
                     const BackupProgress &progress);

// The engine's validation of every page and record; throws when it finds an error.
void ValidateDatabase(const QString &databaseName, const DatabaseLogin &login);
