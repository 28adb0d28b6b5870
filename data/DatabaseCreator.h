#pragma once

#include <QString>
#include <QStringList>

class FbConnection;

// Who connects; the built-in login unless said otherwise.
struct DatabaseLogin
{
    QString user;
    QString password;
};
DatabaseLogin BuiltInLogin();
// The login a command-line tool runs with: the Firebird client's own ISC_USER and
// ISC_PASSWORD, the built-in login without them.
DatabaseLogin EnvironmentLogin();

// The one way a database file comes into being: an empty database holding every
// table, index, domain and procedure the program uses, owned by the login's user.
// Throws FbError.
void CreateEmptyDatabase(const QString &name, const DatabaseLogin &owner = BuiltInLogin());

// Runs the statements on the named database through a connection of their own, in
// one transaction: all of them take effect or none. Throws FbError.
void RunInOneTransaction(const QString &databaseName, const QStringList &statements,
                         const DatabaseLogin &login = BuiltInLogin());

// For an office sharing the database on a server: the role FbConnection::Role with
// the rights the program uses (reading and changing every table of the program,
// running its procedures, which alone draw numbers from its sequences) and nothing more,
// granted to each of the users. Run as the database's owner.
void GrantOfficeRole(const QString &databaseName, const DatabaseLogin &owner, const QStringList &users);
// The user who owns the database on the connection (the one who grants its role), as
// the server names the owner of the program's tables; empty when it cannot tell.
QString DatabaseOwner(FbConnection &connection);

// Throws FbError naming every name of the list that cannot be a server user's (a
// Firebird identifier: a letter, then letters, digits, "_" or "$", 31 at most), before
// anything is made for them.
void CheckUserNames(const QStringList &users);

// The schema script as shipped with the program.
QString SchemaScript();
