#include "DatabaseCreator.h"

#include "FbConnection.h"
#include "FbError.h"
#include "FbQuery.h"
#include "FbTransaction.h"
#include "SqlScript.h"

#include <QFile>
#include <QRegularExpression>

static void loadSchemaResource()
{
    // The script is compiled into this static library; its resource must be registered by hand.
    Q_INIT_RESOURCE(schema);
}

QString SchemaScript()
{
    loadSchemaResource();
    QFile file(QStringLiteral(":/data/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw FbError(QStringLiteral("Brak skryptu tworzącego bazę danych."));
    return QString::fromUtf8(file.readAll());
}

DatabaseLogin BuiltInLogin()
{
    return {.user = QString::fromLatin1(FbConnection::UserName), .password = QString::fromLatin1(FbConnection::Password)};
}

DatabaseLogin EnvironmentLogin()
{
    const QString user = qEnvironmentVariable("ISC_USER");
    if (user.isEmpty())
        return BuiltInLogin();
    return {.user = user, .password = qEnvironmentVariable("ISC_PASSWORD")};
}

void RunInOneTransaction(const QString &databaseName, const QStringList &statements, const DatabaseLogin &login)
{
    FbConnection connection;
    connection.setDatabaseName(databaseName);
    connection.setLogin(login.user, login.password);
    connection.open();
    FbTransaction transaction(connection);
    transaction.start();
    {
        FbQuery query(transaction);
        for (const QString &statement : statements) {
            query.setSql(statement);
            query.execute();
        }
    }
    transaction.commit();
    connection.close();
}

void CreateEmptyDatabase(const QString &name, const DatabaseLogin &owner)
{
    const QStringList statements = SplitSqlScript(SchemaScript());
    FbConnection::createDatabase(name, owner.user, owner.password);
    // A database is either created whole or left without any object.
    RunInOneTransaction(name, statements, owner);
}

namespace {

QStringList namesOf(FbTransaction &transaction, const QString &sql)
{
    FbQuery query(transaction);
    query.setSql(sql);
    query.open();
    QStringList names;
    QVector<QVariant> row;
    while (query.fetch(row))
        names << row.value(0).toString().trimmed();
    return names;
}

QString quotedName(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}

QString DatabaseOwner(FbConnection &connection)
{
    FbTransaction transaction(connection);
    transaction.start();
    FbQuery query(transaction);
    query.setSql(QStringLiteral("select trim(RDB$OWNER_NAME) from RDB$RELATIONS where RDB$RELATION_NAME = 'ADRESACI'"));
    query.open();
    QVector<QVariant> row;
    const QString owner = query.fetch(row) ? row.value(0).toString() : QString();
    query.close();
    transaction.commit();
    return owner;
}

void CheckUserNames(const QStringList &users)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]{0,30}$"));
    QStringList wrong;
    for (const QString &user : users)
        if (!identifier.match(user.trimmed()).hasMatch())
            wrong << u'"' + user + u'"';
    if (!wrong.isEmpty())
        throw FbError(QStringLiteral("Nazwa użytkownika serwera jest nieprawidłowa: %1.").arg(wrong.join(QStringLiteral(", "))));
}

void GrantOfficeRole(const QString &databaseName, const DatabaseLogin &owner, const QStringList &users)
{
    CheckUserNames(users);
    const QString role = QString::fromLatin1(FbConnection::Role);
    FbConnection connection;
    connection.setDatabaseName(databaseName);
    connection.setLogin(owner.user, owner.password);
    connection.open();
    FbTransaction transaction(connection);
    transaction.start();
    const bool roleExists = !namesOf(transaction, QStringLiteral("SELECT RDB$ROLE_NAME FROM RDB$ROLES WHERE RDB$ROLE_NAME = '%1'").arg(role)).isEmpty();
    const QStringList tables = namesOf(transaction, QStringLiteral(
        "SELECT RDB$RELATION_NAME FROM RDB$RELATIONS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0 AND RDB$VIEW_BLR IS NULL"));
    const QStringList sequences = namesOf(transaction, QStringLiteral(
        "SELECT RDB$GENERATOR_NAME FROM RDB$GENERATORS WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    const QStringList procedures = namesOf(transaction, QStringLiteral(
        "SELECT RDB$PROCEDURE_NAME FROM RDB$PROCEDURES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"));
    FbQuery statement(transaction);
    const auto run = [&statement](const QString &sql) {
        statement.setSql(sql);
        statement.execute();
    };
    if (!roleExists) {
        // The role must be committed before rights can be granted to it.
        run(QStringLiteral("CREATE ROLE ") + role);
        transaction.commit();
        transaction.start();
    }
    for (const QString &table : tables)
        run(QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON TABLE %1 TO ROLE %2").arg(quotedName(table), role));
    // The numbers are drawn only through the procedures: with the sequences themselves a
    // user could set them back (gen_id(..., -5)) and have numbers given out twice.
    for (const QString &sequence : sequences)
        for (const QString &procedure : procedures)
            run(QStringLiteral("GRANT USAGE ON SEQUENCE %1 TO PROCEDURE %2").arg(quotedName(sequence), quotedName(procedure)));
    for (const QString &procedure : procedures)
        run(QStringLiteral("GRANT EXECUTE ON PROCEDURE %1 TO ROLE %2").arg(quotedName(procedure), role));
    for (const QString &user : users)
        run(QStringLiteral("GRANT %1 TO USER %2").arg(role, quotedName(user.trimmed().toUpper())));
    transaction.commit();
    connection.close();
}
