#pragma once

#include <QString>

class TDM;

// The message shown when the database cannot be reached: the name as configured
// (possibly empty) and the two usual causes, lines ended by carriage returns only.
QString ConnectionFailureMessage(const QString &databaseName);

// Connects the data module at start-up. False when the program must end: the
// connection failed (the failure message was shown), or an error came after it
// (the database's own message was shown), so that nothing runs on half-opened lists.
bool ConnectAtStartup(TDM &dm);
