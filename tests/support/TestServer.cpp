#include "TestServer.h"

#include "FbConnection.h"

#include <QDir>
#include <QFile>
#include <QUuid>

QString TestServer::newDatabaseName(const QString &prefix) const
{
    return host + u':'
           + QDir(directory).filePath(prefix + u'-' + QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".fdb"));
}

QString TestServer::fileOf(const QString &databaseName) const
{
    return databaseName.mid(host.size() + 1);
}

void TestServer::runOnServer(const QStringList &statements) const
{
    // Users belong to the server; a database of no use but this reaches them.
    const QString scratch = newDatabaseName(QStringLiteral("users"));
    FbConnection::createDatabase(scratch, sysdba().user, sysdba().password);
    RunInOneTransaction(scratch, statements, sysdba());
    QFile::remove(fileOf(scratch));
}

std::optional<TestServer> TestServerFromEnvironment()
{
    TestServer server{.host = qEnvironmentVariable("ZANDEROL_TEST_SERVER"),
                      .directory = qEnvironmentVariable("ZANDEROL_TEST_SERVER_DIR"),
                      .sysdbaPassword = qEnvironmentVariable("ZANDEROL_TEST_SERVER_PASSWORD")};
    if (server.host.isEmpty() || server.directory.isEmpty())
        return std::nullopt;
    return server;
}

bool TestServerRequired()
{
    return qEnvironmentVariable("ZANDEROL_TEST_SERVER_REQUIRED") == QStringLiteral("1");
}
