#include "DatabaseCreator.h"
#include "DatasetGrid.h"
#include "FDM.h"
#include "FailureReport.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "Money.h"
#include "TestServer.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Several desktops share one database through a Firebird server: the tests' own
// (TestServer.h).
class ThroughServer : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto server = TestServerFromEnvironment();
        ZANDEROL_NEED_TEST_SERVER(server);
        name = server->newDatabaseName("server");
        file = server->fileOf(name);
        sysdba = server->sysdba();
        CreateEmptyDatabase(name, sysdba);
        config.writeIni(name, server->iniLogin());
    }

    void TearDown() override
    {
        if (!file.isEmpty())
            QFile::remove(file);
    }

    QString file, name;
    DatabaseLogin sysdba;
    FreshDatabase config; // only for its Zanderol.ini
    MessageRecorder messages;
};

void processEvents()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

}

TEST_F(ThroughServer, TwoConnectionsShareOrdersThroughAServerQualifiedName)
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

// The attachment is killed while the grid has read only part of the list: scrolling
// on and moving the selection report the loss once, nothing escapes the event loop,
// and the grid keeps the rows it had.
TEST_F(ThroughServer, AKilledConnectionWhileTheGridReadsOnIsReportedOnce)
{
    // More rows than the client takes from the server in one go.
    RunInOneTransaction(name, {"insert into ZWYKLE (PRZELEWID, NAZWA1_NAD, KWOTA, DATA_WPR) with recursive r(n) as "
                               "(select 0 from rdb$database union all select n + 1 from r where n < 99) "
                               "select a.n * 100 + b.n + 1, 'N' || (a.n * 100 + b.n), 1, current_timestamp "
                               "from r a cross join r b where a.n < 50"}, sysdba);
    int endings = 0;
    SetConnectionLostAction([&] { ++endings; });
    {
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        DatasetGrid grid(dm.Zwykle, {{"NAZWA1_NAD", "Zleceniodaca", 168, {}}});
        grid.resize(300, 200);
        grid.show();
        processEvents();
        const int read = dm.Zwykle.fetchedCount();
        ASSERT_LT(read, 5000);

        RunInOneTransaction(name, {"delete from mon$attachments where mon$attachment_id <> current_connection"}, sysdba);
        for (int step = 0; step < 40; ++step) {
            grid.scrollToBottom();
            processEvents();
        }
        grid.selectRow(dm.Zwykle.fetchedCount() - 1);
        processEvents();
        EXPECT_EQ(messages.warnings, QStringList{FbError::ConnectionLostMessage()});
        EXPECT_EQ(endings, 1);
        EXPECT_EQ(grid.model()->rowCount(), dm.Zwykle.fetchedCount());
        EXPECT_GE(dm.Zwykle.fetchedCount(), read);
    }
    // Ending the run after the loss adds no message of its own.
    EXPECT_EQ(messages.warnings.size(), 1);
    SetConnectionLostAction({});
}

// Another desktop holds an uncommitted change of the same contractor: the store waits
// a bounded time, then fails as a conflict in Polish, the row still in edit.
TEST_F(ThroughServer, AStoreWaitingOnAnotherDesktopEndsAsAConflict)
{
    RunInOneTransaction(name, {"insert into ADRESACI (ADRESATID, NAZWA) values (1, 'KOWALSKI')"}, sysdba);
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase());
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());

    other.Adresaci.edit();
    other.Adresaci.setValue("NAZWA", "KOWALSKI JAN");
    other.Adresaci.post(); // not committed

    dm.Adresaci.edit();
    dm.Adresaci.setValue("NAZWA", "KOWALSKI ADAM");
    QElapsedTimer waited;
    waited.start();
    try {
        dm.Adresaci.post();
        FAIL() << "stored over another desktop's uncommitted change";
    } catch (const FbError &error) {
        EXPECT_TRUE(error.isConflict()) << error.databaseMessage().toStdString();
        EXPECT_EQ(error.message(), FbError::ConflictMessage());
    }
    EXPECT_LT(waited.elapsed(), 3 * 1000 * FbTransaction::LockTimeoutSeconds);
    EXPECT_EQ(dm.Adresaci.state(), Dataset::State::Edit);
    EXPECT_EQ(dm.Adresaci.value("NAZWA").toString(), "KOWALSKI ADAM");
    dm.Adresaci.cancel();
    DM = &dm;
}
