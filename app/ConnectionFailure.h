#pragma once

#include <QString>

class TDM;

// The message shown when a database on a server cannot be reached: the name as
// configured, the server's host, and the two usual causes, lines ended by carriage
// returns only.
QString ConnectionFailureMessage(const QString &databaseName);

// Connects the data module at start-up. False when the program must end: the user
// cancelled the choice of a database, the connection failed (the failure message was
// shown; a database file that is gone offers the first-start window again), or an
// error came after it (the database's own message was shown), so that nothing runs on
// half-opened lists.
bool ConnectAtStartup(TDM &dm);
