#pragma once

#include <QString>
#include <QStringList>

// The one way a database file comes into being: an empty database holding every
// table, index, domain and procedure the program uses. Throws FbError.
void CreateEmptyDatabase(const QString &name);

// Runs the statements on the named database through a connection of their own, in
// one transaction: all of them take effect or none. Throws FbError.
void RunInOneTransaction(const QString &databaseName, const QStringList &statements);

// The schema script as shipped with the program.
QString SchemaScript();
