#include "ConnectionFailure.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "IniFile.h"
#include "MemoryKeyring.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "TestServer.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUuid>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A user's data directory of the test's own (the new and the demo database go there).
class OwnDataDirectory
{
public:
    OwnDataDirectory() : testMode_(QStandardPaths::isTestModeEnabled()), saved_(qgetenv("XDG_DATA_HOME"))
    {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_DATA_HOME", home_.path().toLocal8Bit());
    }
    ~OwnDataDirectory()
    {
        if (saved_.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", saved_);
        QStandardPaths::setTestModeEnabled(testMode_);
    }
    QString zanderol(const QString &file) const { return QDir(home_.path()).filePath("Zanderol/" + file); }

private:
    QTemporaryDir home_;
    bool testMode_;
    QByteArray saved_;
};

struct Choice
{
    const char *name;
    // Fills the window in; the test then presses "&OK". Returns the database name
    // the choice must lead to, or empty when the window must refuse it.
    std::function<QString(QDialog &window, const FreshDatabase &db, const OwnDataDirectory &data)> fill;
    const char *warning = ""; // how a refusal begins
    bool withOrders = false;   // the demo database comes with orders, a new one is empty
    const char *occupied = nullptr; // a file already in the data directory, which stays as it was
    bool needsServer = false;
};

QString serverDatabase()
{
    const QString host = qEnvironmentVariable("ZANDEROL_TEST_SERVER");
    const QString directory = qEnvironmentVariable("ZANDEROL_TEST_SERVER_DIR");
    if (host.isEmpty() || directory.isEmpty())
        return {};
    return QDir(directory).filePath("first-start-" + QUuid::createUuid().toString(QUuid::Id128) + ".fdb");
}

class FirstStart : public ::testing::TestWithParam<Choice>
{
};

}

// Every choice of the first-start window ends in a connected program and the name in
// the user's Zanderol.ini, which the next start uses without asking; a choice that
// cannot work is refused in the window, and nothing is written.
TEST_P(FirstStart, TheChoiceIsConnectedAndWrittenForTheNextStart)
{
    const Choice &choice = GetParam();
    if (choice.needsServer && serverDatabase().isEmpty())
        GTEST_SKIP() << "no Firebird server for tests (run through test.sh)";
    FreshDatabase db; // its directory stands for the user's configuration directory
    db.removeIni();
    OwnDataDirectory data;
    const QString ini = QDir(db.directory()).filePath("Zanderol.ini");
    if (choice.occupied) {
        QDir().mkpath(data.zanderol({}));
        QFile file(data.zanderol(choice.occupied));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("cudze");
    }
    // A server database asks for the login next; the remembered user name then goes to
    // the test's own settings, not the machine's.
    if (choice.needsServer)
        QStandardPaths::setTestModeEnabled(true);
    MemoryKeyring keyring;
    const auto logIn = [](QDialog &window) {
        type(window, "UzytkownikEdit", "SYSDBA");
        type(window, "HasloEdit", qEnvironmentVariable("ZANDEROL_TEST_SERVER_PASSWORD"));
        control<QAbstractButton>(window, "ZalogujBtn")->click();
        return window.result();
    };
    const QStringList firstStart = choice.needsServer ? QStringList{"Pierwsze uruchomienie", "Logowanie"}
                                                      : QStringList{"Pierwsze uruchomienie"};
    MessageRecorder messages;
    ModalScript modal;
    QString expected;
    struct RemoveServerFile
    {
        const QString &name;
        bool server;
        ~RemoveServerFile()
        {
            if (server)
                QFile::remove(name.mid(name.indexOf(u':') + 1));
        }
    } removeServerFile{expected, choice.needsServer};
    modal.script = [&](QDialog &window) {
        if (window.windowTitle() == "Logowanie")
            return logIn(window);
        expected = choice.fill(window, db, data);
        control<QAbstractButton>(window, "OkBtn")->click();
        // A refused choice leaves the window open; the user gives up.
        return window.result();
    };

    {
        TDM dm;
        const bool started = ConnectAtStartup(dm);
        if (expected.isEmpty()) {
            ASSERT_EQ(modal.titles, QStringList{"Pierwsze uruchomienie"});
            EXPECT_FALSE(started);
            ASSERT_GE(messages.warnings.size(), 1);
            EXPECT_TRUE(messages.warnings.first().startsWith(QString::fromUtf8(choice.warning)))
                << messages.warnings.first().toStdString();
            EXPECT_FALSE(QFile::exists(ini));
            return;
        }
        ASSERT_TRUE(started) << messages.warnings.join('\n').toStdString();
        ASSERT_EQ(modal.titles, firstStart);
        EXPECT_EQ(dm.Baza.databaseName(), expected);
        EXPECT_EQ(!dm.Zwykle.isEmpty(), choice.withOrders);
        EXPECT_EQ(ReadIniValue(ini, "Baza", "Plik"), expected);
    }

    // The next start goes straight to the database; a server still asks for the password.
    modal.titles.clear();
    modal.script = logIn;
    TDM second;
    ASSERT_TRUE(ConnectAtStartup(second));
    EXPECT_EQ(second.Baza.databaseName(), expected);
    EXPECT_EQ(modal.titles, choice.needsServer ? QStringList{"Logowanie"} : QStringList{})
        << "the second start asked for the database again";
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    if (choice.occupied) {
        QFile file(data.zanderol(choice.occupied));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "cudze");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, FirstStart,
    ::testing::Values(
        Choice{.name = "NewDatabase",
               .fill = [](QDialog &window, const FreshDatabase &, const OwnDataDirectory &data) {
                   control<QAbstractButton>(window, "NowaRb")->click();
                   return data.zanderol("zanderol.fdb");
               }},
        Choice{.name = "NewDatabaseBesideAFileOfTheSameName",
               .fill = [](QDialog &window, const FreshDatabase &, const OwnDataDirectory &data) {
                   control<QAbstractButton>(window, "NowaRb")->click();
                   return data.zanderol("zanderol-2.fdb");
               },
               .occupied = "zanderol.fdb"},
        Choice{.name = "DemoDatabase",
               .fill = [](QDialog &window, const FreshDatabase &, const OwnDataDirectory &data) {
                   control<QAbstractButton>(window, "DemoRb")->click();
                   return data.zanderol("demo.fdb");
               },
               .withOrders = true},
        Choice{.name = "ExistingFile",
               .fill = [](QDialog &window, const FreshDatabase &db, const OwnDataDirectory &) {
                   control<QAbstractButton>(window, "IstniejacaRb")->click();
                   type(window, "EdPlik", db.path());
                   return db.path();
               }},
        Choice{.name = "ExistingFileThatIsNoDatabase",
               .fill = [](QDialog &window, const FreshDatabase &db, const OwnDataDirectory &) {
                   const QString junk = QDir(db.directory()).filePath("notatki.txt");
                   QFile file(junk);
                   EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                   file.write("to nie jest baza");
                   control<QAbstractButton>(window, "IstniejacaRb")->click();
                   type(window, "EdPlik", junk);
                   return QString();
               },
               .warning = "Nie udało się otworzyć bazy "},
        Choice{.name = "ExistingFileNotChosen",
               .fill = [](QDialog &window, const FreshDatabase &, const OwnDataDirectory &) {
                   control<QAbstractButton>(window, "IstniejacaRb")->click();
                   type(window, "EdPlik", "  ");
                   return QString();
               },
               .warning = "Wskaż plik bazy danych."},
        Choice{.name = "ServerWithoutAHost",
               .fill = [](QDialog &window, const FreshDatabase &, const OwnDataDirectory &) {
                   control<QAbstractButton>(window, "SerwerRb")->click();
                   type(window, "EdSciezka", "/srv/zanderol.fdb");
                   return QString();
               },
               .warning = "Podaj nazwę lub adres serwera."},
        Choice{.name = "ServerDatabase",
               .fill = [](QDialog &window, const FreshDatabase &, const OwnDataDirectory &) {
                   const QString host = qEnvironmentVariable("ZANDEROL_TEST_SERVER");
                   const QString file = serverDatabase();
                   CreateEmptyDatabase(host + u':' + file, TestServerFromEnvironment()->sysdba());
                   control<QAbstractButton>(window, "SerwerRb")->click();
                   type(window, "EdSerwer", host);
                   type(window, "EdSciezka", file);
                   return host + u':' + file;
               },
               .needsServer = true}),
    [](const ::testing::TestParamInfo<Choice> &info) { return std::string(info.param.name); });
