#include "DatabaseCreator.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Money.h"
#include "RowConflict.h"
#include "TZwyklyFrm.h"
#include "TestServer.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("61109010140000071219812874");

struct ConflictCase
{
    const char *what;
    const char *otherDesktop;
    bool storeMine;
    QString question;
    QStringList storedAfter; // name of each order, then the amount kept from the first version
    bool editorAccepted;
};

// The order is opened for correction, the recipient's name typed, the other desktop's
// statement committed, then "&Zapisz" pressed; the one question is answered storeMine.
void conflictThroughTheEditor(const std::function<void(const QString &)> &otherDesktop, const ConflictCase &row)
{
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());
    otherDesktop("insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, KONTO_NAD, "
                 "TYTUL1_ZAPL, DATA_WPR) values (1, 'Odbiorca', '" + Account + "', 'T', 10, 'Nadawca', '" + Account
                 + "', 'Tytuł', '2026-03-02')");
    dm.ReopenOrdinaryList(1);
    messages.answerNext(row.storeMine);
    modal.script = [&](QDialog &editor) {
        editor.findChild<QLineEdit *>(QStringLiteral("EdNazwa1_Odb"))->setText(QStringLiteral("Mój"));
        otherDesktop(QString::fromUtf8(row.otherDesktop));
        editor.findChild<QPushButton *>(QStringLiteral("PostBtn"))->click();
        return editor.result();
    };
    EXPECT_EQ(TZwyklyFrm().ShowCurrent(), row.editorAccepted);
    EXPECT_EQ(messages.questions, QStringList{row.question});
    EXPECT_EQ(messages.warnings, QStringList{});
    // The list shows what the database holds now, and stands on the order when it is there.
    EXPECT_EQ(dm.Zwykle.value(QStringLiteral("NAZWA1_ODB")).toString(), row.storedAfter.value(0));
    dm.ReopenOrdinaryList(0);
    QStringList stored;
    for (int order = 0; order < dm.Zwykle.fetchedCount(); ++order)
        stored << dm.Zwykle.valueAt(order, QStringLiteral("NAZWA1_ODB")).toString()
               << dm.Zwykle.valueAt(order, QStringLiteral("KWOTA")).value<Money>().toPlainString();
    EXPECT_EQ(stored, row.storedAfter);
    if (!row.storedAfter.isEmpty()) {
        // Stored again, the order is the one it was: its number and the day it was entered.
        EXPECT_EQ(dm.Zwykle.value(QStringLiteral("PRZELEWID")).toInt(), 1);
        EXPECT_EQ(dm.Zwykle.value(QStringLiteral("DATA_WPR")).toDate(), QDate(2026, 3, 2));
    }
}

}

// Another desktop commits a change or a deletion of the order while it is open here.
// The snapshot of the list can never change that row: "&Zapisz" reads the list afresh,
// asks, and does what the user chose; what was typed is never dropped unasked. In one
// process on a database file, and through the tests' server when one runs.
TEST(ConflictingChange, TheUserChoosesBetweenTheirCorrectionAndTheOtherDesktops)
{
    const ConflictCase rows[] = {
        {"changed, mine stored over it", "update ZWYKLE set NAZWA1_ODB = 'Inny' where PRZELEWID = 1", true,
         RowConflict::ChangedQuestion, {"Mój", "10.00"}, true},
        {"changed, theirs kept", "update ZWYKLE set NAZWA1_ODB = 'Inny' where PRZELEWID = 1", false,
         RowConflict::ChangedQuestion, {"Inny", "10.00"}, false},
        {"deleted, stored again", "delete from ZWYKLE where PRZELEWID = 1", true, RowConflict::DeletedQuestion,
         {"Mój", "10.00"}, true},
        {"deleted, left deleted", "delete from ZWYKLE where PRZELEWID = 1", false, RowConflict::DeletedQuestion, {},
         false},
    };
    const std::optional<TestServer> server = TestServerFromEnvironment();
    for (const bool throughServer : {false, true}) {
        if (throughServer && !server)
            continue;
        for (const auto &row : rows) {
            SCOPED_TRACE(std::string(row.what) + (throughServer ? " through the server" : ""));
            FreshDatabase db;
            const QString serverDatabase = throughServer ? server->newDatabaseName(QStringLiteral("conflict")) : QString();
            if (throughServer) {
                CreateEmptyDatabase(serverDatabase, server->sysdba());
                db.writeIni(serverDatabase, server->iniLogin());
            }
            const auto otherDesktop = [&](const QString &statement) {
                if (throughServer)
                    RunInOneTransaction(serverDatabase, {statement}, server->sysdba());
                else
                    db.execute({statement});
            };
            conflictThroughTheEditor(otherDesktop, row);
            if (throughServer)
                QFile::remove(server->fileOf(serverDatabase));
        }
    }
}
