#include "Backup.h"
#include "BackupMenu.h"
#include "DatabaseCreator.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "IniFile.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "SettingsSandbox.h"
#include "TestServer.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>
#include <gtest/gtest.h>

// "Odtwórz z kopii…" from the menu: the program switches to the restored database only
// when the user agrees, and never restores over the open one.
TEST(RestoreMenu, SwitchesToTheNewFileOnlyWhenAskedAndNeverRestoresOverTheOpenOne)
{
    const struct
    {
        const char *name;
        bool ontoTheOpenOne;
        bool switchTo;
    } cases[] = {
        {"switched", false, true},
        {"kept", false, false},
        {"onto the open database", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FreshDatabase db;
        db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (7, 1, current_timestamp)"});
        const QString backup = QDir(db.directory()).filePath("kopia.fbk");
        BackupDatabase(db.path(), BuiltInLogin(), backup, {});
        const QString target = c.ontoTheOpenOne ? db.path() : QDir(db.directory()).filePath("odtworzona.fdb");

        SettingsSandbox sandbox;
        MessageRecorder messages;
        messages.answerNext(c.switchTo);
        ModalScript modal;
        modal.script = [&](QDialog &dialog) {
            auto *chooser = qobject_cast<QFileDialog *>(&dialog);
            if (!chooser)
                return int(QDialog::Rejected);
            chooser->selectFile(dialog.windowTitle().contains("plik kopii") ? backup : target);
            return int(QDialog::Accepted);
        };
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        QWidget window;
        int switched = 0;
        OdtworzMnuClick(&window, [&] { ++switched; });

        const bool expectSwitch = c.switchTo && !c.ontoTheOpenOne;
        EXPECT_EQ(dm.Baza.databaseName(), expectSwitch ? target : db.path());
        EXPECT_EQ(ReadIniValue(QDir(db.directory()).filePath("Zanderol.ini"), "Baza", "Plik"), expectSwitch ? target : db.path());
        EXPECT_EQ(switched, expectSwitch ? 1 : 0);
        ASSERT_TRUE(dm.Zwykle.isOpen());
        EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), 7);
        if (c.ontoTheOpenOne) {
            ASSERT_EQ(messages.warnings.size(), 1);
            EXPECT_TRUE(messages.warnings.first().startsWith("Odtworzyć można tylko do nowego pliku")) << messages.warnings.first().toStdString();
            EXPECT_TRUE(messages.questions.isEmpty());
        } else {
            EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
            EXPECT_EQ(messages.questions.size(), 1);
            EXPECT_TRUE(QFileInfo::exists(target));
        }
    }
}

// Copies of a local database are offered where the user finds them again, not in the
// hidden folder beside the database, and looked for where the last one went.
TEST(BackupMenu, CopiesGoToTheUsersFolderAndAreLookedForWhereTheLastOneWent)
{
    FreshDatabase db;
    SettingsSandbox sandbox;
    MessageRecorder messages;
    const QString copies = QDir(db.directory()).filePath("kopie");
    ASSERT_TRUE(QDir().mkpath(copies));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString usersFolder = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());
    QWidget window;
    const struct {
        const char *what;
        std::function<void()> menu;
        QString folder;
        bool made;
    } steps[] = {
        {"the first copy", [&] { KopiaMnuClick(&window); }, usersFolder, true},
        {"the next copy", [&] { KopiaMnuClick(&window); }, copies, false},
        {"a restore", [&] { OdtworzMnuClick(&window, {}); }, copies, false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        QString offered;
        ModalScript modal;
        modal.script = [&](QDialog &dialog) {
            auto *chooser = qobject_cast<QFileDialog *>(&dialog);
            if (!chooser)
                return int(QDialog::Accepted);
            offered = chooser->directory().absolutePath();
            chooser->selectFile(QDir(copies).filePath(QStringLiteral("kopia.fbk")));
            return int(step.made ? QDialog::Accepted : QDialog::Rejected);
        };
        step.menu();
        EXPECT_EQ(offered, step.folder);
    }
    EXPECT_TRUE(QFileInfo::exists(QDir(copies).filePath(QStringLiteral("kopia.fbk"))));
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
}

// On a server set up as the guide says, the desktop's own login (its password typed at
// start-up, written nowhere) makes the backup from the menu, restores it into a new
// database, and the program switches to it with that login: the service manager and
// the new connection never take the built-in one. The server lets only the database's
// owner back it up; an office user is told so in Polish, the owner named.
TEST(RestoreMenu, TheBackupAndRestoreOfAServerDatabaseTakeTheLoginInUse)
{
    const auto server = TestServerFromEnvironment();
    ZANDEROL_NEED_TEST_SERVER(server);
    const DatabaseLogin owner{.user = "ZBIURO", .password = "biuro-1"}, clerk{.user = "ZANNA", .password = "anna-2"};
    server->runOnServer({"CREATE OR ALTER USER ZBIURO PASSWORD 'biuro-1'", "CREATE OR ALTER USER ZANNA PASSWORD 'anna-2'",
                         "GRANT CREATE DATABASE TO USER ZBIURO"});
    const struct {
        const char *what;
        DatabaseLogin login;
        QString refusal; // empty: backed up, restored and switched
    } rows[] = {
        {"the owner", owner, {}},
        {"an office user", clerk,
         "Kopię zapasową bazy na serwerze może wykonać tylko jej właściciel (ZBIURO) albo administrator serwera."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString name = server->newDatabaseName("office");
        CreateEmptyDatabase(name, owner);
        RunInOneTransaction(name, {"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (7, 1, current_timestamp)"},
                            owner);
        GrantOfficeRole(name, owner, {clerk.user});
        FreshDatabase config;
        config.writeIni(name, {"Uzytkownik=" + row.login.user});
        const QString backup = server->fileOf(server->newDatabaseName("kopia"));
        const QString restoredFile = server->fileOf(server->newDatabaseName("odtworzona"));

        MessageRecorder messages;
        messages.answerNext(true);
        ModalScript modal;
        modal.script = [&](QDialog &dialog) {
            auto *chooser = qobject_cast<QFileDialog *>(&dialog);
            if (chooser)
                chooser->selectFile(dialog.windowTitle().contains("nowy plik bazy") ? restoredFile : backup);
            return int(QDialog::Accepted);
        };
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase({.database = name, .user = row.login.user, .password = row.login.password}));
        QWidget window;
        KopiaMnuClick(&window);
        if (!row.refusal.isEmpty()) {
            ASSERT_EQ(messages.warnings.size(), 1);
            EXPECT_TRUE(messages.warnings.first().contains(row.refusal)) << messages.warnings.first().toStdString();
            EXPECT_FALSE(QFileInfo::exists(backup));
        } else {
            OdtworzMnuClick(&window, {});
            EXPECT_EQ(messages.warnings, QStringList());
            EXPECT_EQ(dm.Baza.databaseName(), server->host + u':' + restoredFile);
            EXPECT_EQ(dm.Baza.user(), row.login.user);
            ASSERT_TRUE(dm.Zwykle.isOpen());
            EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), 7);
        }
        dm.Baza.close();
        for (const QString &file : {server->fileOf(name), backup, restoredFile})
            QFile::remove(file);
    }
}
