#include "DatabaseCreator.h"
#include "FDM.h"
#include "FMainFrm.h"
#include "FbConnection.h"
#include "FbQuery.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ProgramRun.h"
#include "SilentProxy.h"
#include "QtTranslations.h"
#include "TerminationSignals.h"
#include "TestServer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

// A copy of a program beside the Zanderol.ini of the given directory, which it reads.
QString copyBeside(const QString &executable, const QString &directory, const QString &name)
{
    const QString program = QDir(directory).filePath(name);
    if (!QFile::exists(program)) {
        EXPECT_TRUE(QFile::copy(executable, program));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return program;
}

QProcessEnvironment headless(const QString &config)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config);
    return environment;
}

}

// The real program, copied beside a Zanderol.ini of the test's own and run headless
// with a configuration directory of its own.
TEST(WholeRun, TerminationBySignalEndsTheRunLikeClosingTheWindow)
{
    FreshDatabase db;
    const QString program = copyBeside(ZANDEROL_EXECUTABLE, db.directory(), "zanderol");
    const QString config = QDir(db.directory()).filePath("config");

    QProcess process;
    process.setProcessEnvironment(headless(config));
    process.start(program, {});
    ASSERT_TRUE(process.waitForStarted(10000));
    // Nothing to wait on: give the run time to connect and show its window.
    process.waitForFinished(4000);
    ASSERT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();

    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000)) << "the program kept running without its database";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);

    // The end of the run went through the main window: its position was saved.
    QSettings position(QDir(config).filePath("Tevalo/Zanderol.ini"), QSettings::IniFormat);
    EXPECT_GT(position.value("Form/Width").toInt(), 0);
}

// A desktop that does not activate a new window: the buttons follow the open lists anyway.
TEST(WholeRun, StartingEnablesTheRowButtonsOverANonEmptyListWithoutActivation)
{
    QStandardPaths::setTestModeEnabled(true);
    FreshDatabase db;
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (1, 1, current_timestamp)"});
    MessageRecorder messages;
    TDM dm;
    TMainFrm window;
    ASSERT_TRUE(StartProgram(dm, window));
    for (const char *name : {"EditBtn", "DeleteBtn", "FindBtn", "PrintBtn"})
        EXPECT_TRUE(window.findChild<QToolButton *>(name)->isEnabled()) << name;
}

// Qt's own texts, such as an edit field's context menu, are Polish.
TEST(WholeRun, QtsOwnMenusAndDialogsSpeakPolish)
{
    ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance()));
    QLineEdit edit("tekst");
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.filter("&Copy").isEmpty()) << texts.join(", ").toStdString();
    EXPECT_FALSE(texts.filter("S&kopiuj").isEmpty()) << texts.join(", ").toStdString();
}

// The end of the run, reached as a termination signal reaches it, commits what was
// posted and shows in a message what could not be saved.
TEST(WholeRun, TheEndOfTheRunCommitsEverythingAndShowsWhatCouldNotBeSaved)
{
    QStandardPaths::setTestModeEnabled(true);
    FreshDatabase db;
    db.execute({"create exception NIE_ZAPISANO 'zapis zablokowany'", "create table BLOKADA (TX bigint)",
                "create trigger BLOKUJ on transaction commit as begin "
                "if (exists(select 1 from BLOKADA where TX = current_transaction)) then exception NIE_ZAPISANO; end"});
    MessageRecorder messages;
    const int result = RunProgram(messages, [] {
        DM->Tytuly.append();
        DM->Tytuly.setValue("TYTULID", 7);
        DM->Tytuly.setValue("NAZWA", "Zablokowany");
        DM->Tytuly.post();
        FbQuery block(DM->trTytuly);
        block.setSql("insert into BLOKADA values (current_transaction)");
        block.execute();
        DM->szZwykle.append();
        DM->szZwykle.setValue("PRZELEWID", 8);
        DM->szZwykle.setValue("NAZWA", "Zapisany");
        DM->szZwykle.setValue("KWOTA", 1);
        DM->szZwykle.post();
        TerminationSignals::requestEnd();
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].contains("tytuły zapłaty: ")) << messages.warnings[0].toStdString();

    TDM after;
    ASSERT_TRUE(after.ConnectDatabase());
    EXPECT_TRUE(after.Tytuly.isEmpty());
    EXPECT_EQ(after.szZwykle.value("PRZELEWID").toInt(), 8);
}

namespace {

// One database and its own copy of the program; its runs follow one another.
struct Lane
{
    QString databaseName; // as the program's ini names it
    DatabaseLogin login = BuiltInLogin();
    QString directory;
    std::vector<qint32> posted;
    int runs = 0;
    int endedInTime = 0;
    QStringList problems;
};

void runLane(Lane &lane, int runs, quint32 seed)
{
    QRandomGenerator random(seed);
    const QString program = copyBeside(ZANDEROL_SIGNAL_RUN, lane.directory, "zanderol-signal-run");
    const int signals_[] = {SIGTERM, SIGINT, SIGHUP};
    for (int run = 0; run < runs; ++run) {
        const bool post = run % 2 == 0;
        const int signal = signals_[run % 3];
        const int delay = random.bounded(500, 8001);
        QProcess process;
        process.setProcessEnvironment(headless(QDir(lane.directory).filePath("config")));
        QElapsedTimer clock;
        clock.start();
        // The other lane copies its program at the same moment: a child forked meanwhile
        // may hold that copy open for writing, and exec then fails with "text file busy".
        bool started = false;
        for (int attempt = 0; attempt < 5 && !started; ++attempt) {
            if (attempt > 0)
                QThread::msleep(200);
            process.start(program, post ? QStringList{"post"} : QStringList{});
            started = process.waitForStarted(10000);
        }
        if (!started) {
            lane.problems << "did not start";
            continue;
        }
        process.waitForFinished(qMax(1, delay - int(clock.elapsed())));
        if (process.state() != QProcess::Running) {
            lane.problems << QString("run %1 ended before the signal: %2").arg(run).arg(QString(process.readAllStandardError()));
            continue;
        }
        ::kill(pid_t(process.processId()), signal);
        QElapsedTimer ending;
        ending.start();
        const bool ended = process.waitForFinished(10000);
        ++lane.runs;
        if (!ended) {
            lane.problems << QString("run %1 (signal %2 after %3 ms) still running 10 s later").arg(run).arg(signal).arg(delay);
            process.kill();
            process.waitForFinished(5000);
            continue;
        }
        ++lane.endedInTime;
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || errors.contains("warning:"))
            lane.problems << QString("run %1 (signal %2 after %3 ms): exit %4, %5").arg(run).arg(signal).arg(delay)
                                 .arg(process.exitCode()).arg(errors);
        for (const QByteArray &line : process.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                lane.posted.push_back(line.trimmed().toInt());
    }
}

QStringList missingTitles(const Lane &lane)
{
    QStringList missing;
    FbConnection connection;
    connection.setDatabaseName(lane.databaseName);
    connection.setLogin(lane.login.user, lane.login.password);
    connection.open();
    FbTransaction transaction(connection);
    FbQuery query(transaction);
    query.setSql("select count(*) from TYTULY where TYTULID = :Id");
    for (const qint32 id : lane.posted) {
        query.setParam("Id", id);
        query.open();
        QVector<QVariant> row;
        if (!query.fetch(row) || row.value(0).toInt() != 1)
            missing << QString::number(id);
        query.close();
    }
    transaction.commit();
    connection.close();
    return missing;
}

QString gfixFindings(const QString &databaseName, const DatabaseLogin &login)
{
    QProcess gfix;
    gfix.start("gfix", {"-v", "-full", "-user", login.user, "-password", login.password, databaseName});
    if (!gfix.waitForFinished(60000))
        return "gfix did not finish";
    const QString output = QString::fromLocal8Bit(gfix.readAllStandardOutput() + gfix.readAllStandardError()).trimmed();
    return gfix.exitCode() == 0 ? output : QString("exit %1: %2").arg(gfix.exitCode()).arg(output);
}

}

// SIGTERM, SIGINT and SIGHUP at a random moment between 0.5 s and 8 s, some runs with
// a change posted and not yet committed: every run ends within 10 s, every posted
// change is committed, the database is sound. Two lanes run side by side (the machine
// loaded as a desktop's may be): an embedded database, and one through the test
// server when there is one (else a second embedded one).
TEST(WholeRun, TerminationSignalsEndEveryRunInOrderAndKeepEveryPostedChange)
{
    FreshDatabase embedded;
    FreshDatabase second;
    Lane lanes[2];
    lanes[0].databaseName = embedded.path();
    lanes[0].directory = embedded.directory();
    lanes[1].directory = second.directory();
    lanes[1].databaseName = second.path();
    QString serverFile;
    const auto server = TestServerFromEnvironment();
    if (!server && TestServerRequired())
        FAIL() << "the test script started no Firebird server (ZANDEROL_TEST_SERVER)";
    if (server) {
        lanes[1].databaseName = server->newDatabaseName("signals");
        serverFile = server->fileOf(lanes[1].databaseName);
        lanes[1].login = server->sysdba();
        CreateEmptyDatabase(lanes[1].databaseName, lanes[1].login);
        // The program is asked no password when its configuration gives one.
        second.writeIni(lanes[1].databaseName, server->iniLogin());
    }

    const quint32 seed = QRandomGenerator::global()->generate();
    SCOPED_TRACE("seed " + std::to_string(seed));
    constexpr int RunsPerLane = 15;
    std::thread other([&] { runLane(lanes[1], RunsPerLane, seed + 1); });
    runLane(lanes[0], RunsPerLane, seed);
    other.join();

    for (const Lane &lane : lanes) {
        SCOPED_TRACE(lane.databaseName.toStdString());
        EXPECT_EQ(lane.problems, QStringList());
        EXPECT_EQ(lane.endedInTime, RunsPerLane);
        EXPECT_GE(lane.posted.size(), size_t(RunsPerLane / 2));
        EXPECT_EQ(missingTitles(lane), QStringList());
        EXPECT_EQ(gfixFindings(lane.databaseName, lane.login), QString());
        std::printf("signal loop on %s: %d runs, %d ended within 10 s, %zu posted changes kept, gfix: %s\n",
                    qPrintable(lane.databaseName), lane.runs, lane.endedInTime, lane.posted.size(),
                    qPrintable(gfixFindings(lane.databaseName, lane.login).isEmpty() ? QString("nothing found") : QString("findings")));
    }
    if (!serverFile.isEmpty())
        QFile::remove(serverFile);
}

// The server falls silent under a program that keeps asking it: a termination signal
// then ends the run within seconds, its event loop stuck in the call, with the
// status of a process the signal ended.
TEST(WholeRun, ATerminationSignalEndsTheRunWhileADatabaseCallHangs)
{
    const auto server = TestServerFromEnvironment();
    ZANDEROL_NEED_TEST_SERVER(server);
    FreshDatabase config;
    const QString name = server->newDatabaseName("hang");
    CreateEmptyDatabase(name, server->sysdba());
    SilentProxy proxy(TestServerPort(*server));
    config.writeIni(proxy.throughProxy(*server, name), server->iniLogin());
    const QString program = copyBeside(ZANDEROL_SIGNAL_RUN, config.directory(), "zanderol-signal-run");

    QProcess process;
    process.setProcessEnvironment(headless(QDir(config.directory()).filePath("config")));
    process.start(program, {"poll"});
    ASSERT_TRUE(process.waitForStarted(10000));
    QElapsedTimer clock;
    clock.start();
    while (!process.readAllStandardOutput().contains("polling") && process.state() == QProcess::Running
           && clock.elapsed() < 30000)
        process.waitForReadyRead(500);
    ASSERT_EQ(process.state(), QProcess::Running) << process.readAllStandardError().toStdString();
    proxy.fallSilent();
    QThread::msleep(1000); // the next question is on its way and hangs

    ::kill(pid_t(process.processId()), SIGTERM);
    QElapsedTimer ending;
    ending.start();
    const bool ended = process.waitForFinished(15000);
    std::printf("signal during a hanging call: the run ended after %lld ms\n", ending.elapsed());
    if (!ended)
        process.kill();
    ASSERT_TRUE(ended) << "a hanging call kept the run from ending";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 128 + SIGTERM);
    process.waitForFinished(5000);
    QFile::remove(server->fileOf(name));
}
