#include "DatabaseCreator.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "Money.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUuid>
#include <gtest/gtest.h>

// Several desktops share one database through a Firebird server. The test script
// starts one on this machine and says so through ZANDEROL_TEST_SERVER (the host)
// and ZANDEROL_TEST_SERVER_DIR (a directory the server may write in).
TEST(ThroughServer, TwoConnectionsShareOrdersThroughAServerQualifiedName)
{
    const QString host = qEnvironmentVariable("ZANDEROL_TEST_SERVER");
    const QString directory = qEnvironmentVariable("ZANDEROL_TEST_SERVER_DIR");
    if (host.isEmpty() || directory.isEmpty())
        GTEST_SKIP() << "no Firebird server for tests (run through test.sh)";

    const QString file = QDir(directory).filePath("server-" + QUuid::createUuid().toString(QUuid::Id128) + ".fdb");
    const QString name = host + u':' + file;
    CreateEmptyDatabase(name);

    FreshDatabase config; // only for its Zanderol.ini
    config.writeIni(name);
    {
        TDM first;
        ASSERT_TRUE(first.ConnectDatabase());
        EXPECT_EQ(first.Baza.databaseName(), name);
        first.Zwykle.append();
        const qint32 id = first.NewTransferId();
        first.Zwykle.setValue("PRZELEWID", id);
        first.Zwykle.setValue("NAZWA1_ODB", "Przez serwer – ąę");
        first.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(99)));
        first.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
        first.Zwykle.post();
        first.ReopenOrdinaryList(id);

        TDM second;
        ASSERT_TRUE(second.ConnectDatabase());
        EXPECT_EQ(second.Zwykle.value("PRZELEWID").toInt(), id);
        EXPECT_EQ(second.Zwykle.value("NAZWA1_ODB").toString(), "Przez serwer – ąę");
        EXPECT_EQ(second.Zwykle.value("KWOTA").value<Money>(), Money::fromGrosze(99));
        EXPECT_GT(second.NewTransferId(), id);
        DM = &first;
    }
    QFile::remove(file);
}
