#pragma once

#include "DatabaseCreator.h"

#include <QString>
#include <QStringList>
#include <optional>

// The Firebird server the test script starts for the tests that go through one
// (scripts/test-server.sh), as its environment names it.
struct TestServer
{
    QString host;      // "localhost/port", to put in front of a database path
    QString directory; // where the server may create databases
    QString sysdbaPassword; // the server's own, never the program's built-in one

    DatabaseLogin sysdba() const { return {.user = QStringLiteral("SYSDBA"), .password = sysdbaPassword}; }
    // The lines of [Baza] that log the program in as sysdba().
    QStringList iniLogin() const { return {"Uzytkownik=SYSDBA", "Haslo=" + sysdbaPassword}; }

    // A database name in the server's directory, unique to the caller.
    QString newDatabaseName(const QString &prefix) const;
    QString fileOf(const QString &databaseName) const;
    // Runs statements about the whole server (its users and their rights) as SYSDBA.
    void runOnServer(const QStringList &statements) const;
};

std::optional<TestServer> TestServerFromEnvironment();

// Under test.sh a test that needs the server fails without one; run on its own
// (no server started) it is skipped.
bool TestServerRequired();

#define ZANDEROL_NEED_TEST_SERVER(server)                                                         \
    do {                                                                                          \
        if (!(server)) {                                                                          \
            if (TestServerRequired())                                                             \
                FAIL() << "the test script started no Firebird server (ZANDEROL_TEST_SERVER)";    \
            GTEST_SKIP() << "no Firebird server for tests (run through test.sh "                  \
                            "or scripts/test-server.sh run)";                                     \
        }                                                                                         \
    } while (false)
