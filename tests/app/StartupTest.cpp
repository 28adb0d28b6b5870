#include "ConnectionFailure.h"
#include "DatabasePath.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "MemoryKeyring.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "WindowControls.h"

#include <QPushButton>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

const QString Causes = QStringLiteral(
    "\r\rNajczęstsze przyczyny to:\r"
    "1. Nie został uruchomiony serwer baz danych Firebird\r"
    "   (Należy w Panelu Sterowania Windows uruchomić Firebird Server Manager \r"
    "    i uruchomić serwer przez kliknięcie przycisku Start),\r"
    "2. Brak pliku bazy: ");

// The first-start window comes up only when no database is named; here it is cancelled.
QString failure(bool firstStartWindow = false)
{
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
    EXPECT_FALSE(ConnectAtStartup(dm));
    EXPECT_EQ(modal.titles, firstStartWindow ? QStringList{"Pierwsze uruchomienie"} : QStringList{});
    EXPECT_FALSE(dm.Baza.isOpen());
    EXPECT_FALSE(dm.Zwykle.isOpen());
    return messages.warnings.value(0) + (messages.warnings.size() == 1 ? "" : " <more than one warning>");
}

}

TEST(Startup, WithoutTheConfigurationFileTheNameIsEmpty)
{
    FreshDatabase db;
    db.removeIni();
    const QString message = failure(true);
    EXPECT_EQ(message, "Nie udało się połączyć z bazą: " + Causes);
    EXPECT_FALSE(message.contains(u'\n'));
    EXPECT_TRUE(message.endsWith("2. Brak pliku bazy: "));
}

TEST(Startup, AConfigurationNamingNoDatabaseAsksForOneFirst)
{
    FreshDatabase db;
    for (const char *name : {"", "\"\""}) {
        db.writeIni(name);
        EXPECT_EQ(failure(true), "Nie udało się połączyć z bazą: " + Causes) << name;
    }
}

TEST(Startup, AMissingFileIsNamedTwice)
{
    FreshDatabase db;
    const QString missing = db.directory() + "/nie ma takiej bazy.fdb";
    db.writeIni(missing);
    EXPECT_EQ(failure(), "Nie udało się połączyć z bazą: " + missing + Causes + missing);
}

TEST(Startup, AServerQualifiedNameIsPassedAndShownUnchanged)
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
    EXPECT_EQ(messages.warnings, QStringList{"Nie udało się połączyć z bazą: " + name + Causes + name});
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
