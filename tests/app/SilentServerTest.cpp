#include "ConnectionFailure.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FailureReport.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ServerWatch.h"
#include "SilentProxy.h"
#include "TestServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace {

enum class Moment { BeforeConnecting, WhileIdle, UnderACommit };

struct SilenceCase
{
    const char *name;
    Moment moment;
    qint64 boundMs;
};

void storeTitleUncommitted(TDM &dm)
{
    dm.Tytuly.append();
    const qint32 id = dm.NewTitleId();
    dm.Tytuly.setValue("TYTULID", id);
    dm.Tytuly.setValue("NAZWA", QString("Przed ciszą %1").arg(id));
    dm.Tytuly.post();
}

}

// The server falls silent (its machine switched off, the cable pulled) before the
// program connects, while it waits for nothing, and under a commit. Each time the
// program hears of it within its bound in one Polish message and the run ends as for
// a stopped server; after a commit whose answer never came the message says the change
// may or may not be stored. The watch's minute is shortened to a few seconds here.
TEST(SilentServer, ASilentServerIsToldOnceWithinItsBound)
{
    const auto server = TestServerFromEnvironment();
    ZANDEROL_NEED_TEST_SERVER(server);
    const ServerWatch::Timing usual = ServerWatch::timing();
    ServerWatch::setTiming({std::chrono::seconds(1), std::chrono::seconds(3)});
    const QString name = server->newDatabaseName("silent");
    CreateEmptyDatabase(name, server->sysdba());

    const SilenceCase cases[] = {
        {"before connecting", Moment::BeforeConnecting, 20000},
        {"while idle", Moment::WhileIdle, 15000},
        {"under a commit", Moment::UnderACommit, 15000},
    };
    for (const SilenceCase &c : cases) {
        SCOPED_TRACE(c.name);
        SilentProxy proxy(TestServerPort(*server));
        const QString proxied = proxy.throughProxy(*server, name);
        FreshDatabase config; // only for its Zanderol.ini
        config.writeIni(proxied, server->iniLogin());
        MessageRecorder messages;
        int endings = 0;
        SetConnectionLostAction([&] { ++endings; });
        QElapsedTimer clock;
        QStringList expected;
        {
            TDM dm;
            if (c.moment == Moment::BeforeConnecting) {
                proxy.fallSilent();
                clock.start();
                EXPECT_FALSE(ConnectAtStartup(dm));
                expected = {ConnectionFailureMessage(proxied)};
            } else {
                ASSERT_TRUE(ConnectAtStartup(dm)) << messages.warnings.join("; ").toStdString();
                storeTitleUncommitted(dm);
                proxy.fallSilent();
                clock.start();
                if (c.moment == Moment::UnderACommit) {
                    try {
                        dm.trTytuly.commit();
                    } catch (const std::exception &error) {
                        ReportFailure(error);
                    }
                    expected = {FbError::UnansweredCommitMessage()};
                } else {
                    expected = {FbError::ConnectionLostMessage()};
                }
                while (endings == 0 && clock.elapsed() < 2 * c.boundMs) {
                    QCoreApplication::processEvents();
                    QThread::msleep(20);
                }
            }
            std::printf("silent server %s: told after %lld ms\n", c.name, clock.elapsed());
            EXPECT_LT(clock.elapsed(), c.boundMs);
        }
        // Ending the run after it adds nothing.
        EXPECT_EQ(messages.warnings, expected);
        EXPECT_EQ(endings, c.moment == Moment::BeforeConnecting ? 0 : 1);
        SetConnectionLostAction({});
    }
    ServerWatch::setTiming(usual);
    QFile::remove(server->fileOf(name));
}
