#include "DatabaseCreator.h"

#include "FbConnection.h"
#include "FbQuery.h"
#include "FbTransaction.h"
#include "SqlScript.h"

#include <QFile>

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

void RunInOneTransaction(const QString &databaseName, const QStringList &statements)
{
    FbConnection connection;
    connection.setDatabaseName(databaseName);
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

void CreateEmptyDatabase(const QString &name)
{
    const QStringList statements = SplitSqlScript(SchemaScript());
    FbConnection::createDatabase(name);
    // A database is either created whole or left without any object.
    RunInOneTransaction(name, statements);
}
