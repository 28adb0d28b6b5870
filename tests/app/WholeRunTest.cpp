#include "FreshDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

// The real program, copied beside a Zanderol.ini of the test's own and run headless
// with a configuration directory of its own.
TEST(WholeRun, TerminationBySignalEndsTheRunLikeClosingTheWindow)
{
    FreshDatabase db;
    const QString program = QDir(db.directory()).filePath("zanderol");
    ASSERT_TRUE(QFile::copy(ZANDEROL_EXECUTABLE, program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString config = QDir(db.directory()).filePath("config");

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config);
    process.setProcessEnvironment(environment);
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
    EXPECT_EQ(position.value("Form/Width").toInt(), 760);
}
