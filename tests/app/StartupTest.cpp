#include "ConnectionFailure.h"
#include "DatabasePath.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "MemoryKeyring.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// The first-start window comes up only when no database is named; here it is cancelled
// unless the script says otherwise. The warnings shown, joined.
QString failure(const QStringList &windows, MessageRecorder &messages, const ModalScript::Script &script = {})
{
    ModalScript modal;
    modal.script = script;
    TDM dm;
    EXPECT_FALSE(ConnectAtStartup(dm));
    EXPECT_EQ(modal.titles, windows);
    EXPECT_FALSE(dm.Baza.isOpen());
    EXPECT_FALSE(dm.Zwykle.isOpen());
    return messages.warnings.join(" <and> ");
}

}

// "Anuluj" in the first-start window is the user's choice not to start now.
TEST(Startup, CancellingTheChoiceOfADatabaseEndsTheRunWithoutAWord)
{
    FreshDatabase db;
    for (const char *ini : {"<none>", "", "\"\""}) {
        if (QString(ini) == "<none>")
            db.removeIni();
        else
            db.writeIni(ini);
        MessageRecorder messages;
        EXPECT_EQ(failure({"Pierwsze uruchomienie"}, messages), "") << ini;
        EXPECT_TRUE(messages.questions.isEmpty()) << ini;
    }
}

// A local database file that is gone is said to be gone, and the first-start window is
// offered to choose another; the Firebird server has nothing to do with it.
TEST(Startup, AMissingFileIsSaidAndTheFirstStartWindowOffered)
{
    struct Row
    {
        const char *name;
        bool choose;         // answer to the question
        bool pickExisting;   // in the window: the test's own database, else cancelled
        QStringList windows;
    };
    const Row rows[] = {
        {"declined", false, false, {}},
        {"window cancelled", true, false, {"Pierwsze uruchomienie"}},
        {"another database chosen", true, true, {"Pierwsze uruchomienie"}},
    };
    for (const Row &row : rows) {
        FreshDatabase db;
        const QString missing = db.directory() + "/nie ma takiej bazy.fdb";
        db.writeIni(missing);
        MessageRecorder messages;
        messages.answerNext(row.choose);
        ModalScript modal;
        modal.script = [&](QDialog &window) {
            if (!row.pickExisting)
                return int(QDialog::Rejected);
            control<QAbstractButton>(window, "IstniejacaRb")->click();
            type(window, "EdPlik", db.path());
            control<QAbstractButton>(window, "OkBtn")->click();
            return window.result();
        };
        TDM dm;
        EXPECT_EQ(ConnectAtStartup(dm), row.pickExisting) << row.name;
        EXPECT_EQ(dm.Baza.isOpen(), row.pickExisting) << row.name;
        EXPECT_EQ(messages.questions, QStringList{"Nie ma pliku bazy danych: " + missing +
                                                  "\r\rCzy wybrać bazę danych w oknie „Pierwsze uruchomienie”?"})
            << row.name;
        EXPECT_EQ(modal.titles, row.windows) << row.name;
        EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join("; ").toStdString();
        EXPECT_EQ(ReadDatabasePath(), row.pickExisting ? db.path() : missing) << row.name;
    }
}

// The engine refuses a file the embedded engine of another process has open (here a
// command-line tool with a lock directory of another account's): said in Polish.
TEST(Startup, ADatabaseAnotherProcessHasOpenIsSaidInPolish)
{
    FreshDatabase db;
    QTemporaryDir otherLocks;
    QProcess other;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FIREBIRD_LOCK", otherLocks.path());
    other.setProcessEnvironment(environment);
    other.start("isql-fb", {"-q", "-user", "SYSDBA", db.path()});
    ASSERT_TRUE(other.waitForStarted()) << "isql-fb (package firebird3.0-utils)";
    other.write("select 'open' from rdb$database;\n");
    ASSERT_TRUE(other.waitForReadyRead(20000)) << other.readAllStandardError().toStdString();
    MessageRecorder messages;
    EXPECT_EQ(failure({}, messages), "Nie udało się otworzyć bazy danych: " + db.path() + "\r\r" + FbError::OpenElsewhereMessage());
    other.closeWriteChannel();
    other.waitForFinished(20000);
}

TEST(Startup, AServerThatCannotBeReachedIsNamedWithoutWindowsAdvice)
{
    FreshDatabase db;
    // Nothing listens on this port: the server is "down".
    const QString name = "127.0.0.1/3999:/srv/zanderol.fdb";
    db.writeIni(name);
    // The login window gives way to the message as soon as the server cannot be reached.
    QStandardPaths::setTestModeEnabled(true);
    MemoryKeyring keyring;
    ModalScript modal;
    modal.script = [](QDialog &window) {
        type(window, "UzytkownikEdit", "ksiegowa");
        control<QPushButton>(window, "ZalogujBtn")->click();
        return window.result();
    };
    MessageRecorder messages;
    TDM dm;
    EXPECT_FALSE(ConnectAtStartup(dm));
    EXPECT_EQ(messages.warnings, QStringList{"Nie udało się połączyć z bazą: " + name +
                                             "\r\rNajczęstsze przyczyny to:\r"
                                             "1. Nie został uruchomiony serwer baz danych Firebird na komputerze 127.0.0.1\r"
                                             "   albo komputer ten jest niedostępny w sieci,\r"
                                             "2. Brak pliku bazy: " + name});
    EXPECT_EQ(modal.titles, QStringList{"Logowanie"});
}

TEST(Startup, ASuccessfulStartOpensEveryListOnItsFirstRow)
{
    FreshDatabase db;
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (3, 1, current_timestamp)",
                "insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (8, 1, current_timestamp)",
                "insert into TYTULY (TYTULID, NAZWA) values (1, 'B')", "insert into TYTULY (TYTULID, NAZWA) values (2, 'A')"});
    MessageRecorder messages;
    TDM dm;
    ASSERT_TRUE(ConnectAtStartup(dm));
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), 8);
    EXPECT_EQ(dm.Tytuly.value("NAZWA").toString(), "A");
    for (Dataset *list : {&dm.Zwykle, &dm.Podatkowe, &dm.Zusowe, &dm.Adresaci, &dm.Urzedy, &dm.Tytuly, &dm.szZwykle})
        EXPECT_TRUE(list->isOpen()) << list->name().toStdString();
}

TEST(Startup, AnErrorAfterTheConnectionShowsTheDatabaseMessageAndEndsTheRun)
{
    FreshDatabase db;
    // A table ZUS without the identifier column makes opening the ZUS list fail.
    db.execute({"DROP TABLE ZUS", "CREATE TABLE ZUS (X INTEGER)"});
    MessageRecorder messages;
    TDM dm;
    EXPECT_FALSE(ConnectAtStartup(dm));
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains("PRZELEWID")) << messages.warnings.first().toStdString();
}

TEST(Startup, TheConfiguredNameMayUseWindowsPathsVerbatim)
{
    FreshDatabase db;
    db.writeIni("C:\\Zanderol\\ZANDEROL.FDB");
    EXPECT_EQ(ReadDatabasePath(), "C:\\Zanderol\\ZANDEROL.FDB");
}

// The attachment is ended from outside while the start reads the first list: the user
// hears of the lost connection once, not once more when the run ends.
TEST(Startup, AConnectionLostDuringTheStartIsAnnouncedOnce)
{
    FreshDatabase db;
    db.execute({QString("create procedure CUT returns (X integer) as begin "
                        "begin execute statement 'delete from mon$attachments where mon$attachment_id = ' || "
                        "current_connection on external '%1' as user '%2' password '%3'; when any do begin end end "
                        "X = 1; suspend; end")
                    .arg(db.path(), FbConnection::UserName, FbConnection::Password),
                "alter table ZWYKLE add CUT_NOW computed by ((select X from CUT))",
                "insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (1, 1, current_timestamp)"});
    MessageRecorder messages;
    {
        TDM dm;
        EXPECT_FALSE(ConnectAtStartup(dm));
    }
    EXPECT_EQ(messages.warnings, QStringList{FbError::ConnectionLostMessage()});
}
