#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "Money.h"
#include "RowConflict.h"
#include "TZwyklyFrm.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("61109010140000071219812874");

}

// Another desktop commits a change or a deletion of the order while it is open here.
// The snapshot of the list can never change that row: "&Zapisz" reads the list afresh,
// asks, and does what the user chose; what was typed is never dropped unasked.
TEST(ConflictingChange, TheUserChoosesBetweenTheirCorrectionAndTheOtherDesktops)
{
    const struct {
        const char *what;
        const char *otherDesktop;
        bool storeMine;
        QString question;
        QStringList storedAfter; // name of each order, then the amount kept from the first version
        bool editorAccepted;
    } rows[] = {
        {"changed, mine stored over it", "update ZWYKLE set NAZWA1_ODB = 'Inny' where PRZELEWID = 1", true,
         RowConflict::ChangedQuestion, {"Mój", "10.00"}, true},
        {"changed, theirs kept", "update ZWYKLE set NAZWA1_ODB = 'Inny' where PRZELEWID = 1", false,
         RowConflict::ChangedQuestion, {"Inny", "10.00"}, false},
        {"deleted, stored again", "delete from ZWYKLE where PRZELEWID = 1", true, RowConflict::DeletedQuestion,
         {"Mój", "10.00"}, true},
        {"deleted, left deleted", "delete from ZWYKLE where PRZELEWID = 1", false, RowConflict::DeletedQuestion, {},
         false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        FreshDatabase db;
        MessageRecorder messages;
        ModalScript modal;
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        db.execute({"insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, KONTO_NAD, "
                    "TYTUL1_ZAPL, DATA_WPR) values (1, 'Odbiorca', '" + Account + "', 'T', 10, 'Nadawca', '" + Account
                    + "', 'Tytuł', '2026-03-02')"});
        dm.ReopenOrdinaryList(1);
        messages.answerNext(row.storeMine);
        modal.script = [&](QDialog &editor) {
            editor.findChild<QLineEdit *>(QStringLiteral("EdNazwa1_Odb"))->setText(QStringLiteral("Mój"));
            db.execute({QString::fromUtf8(row.otherDesktop)});
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
            EXPECT_EQ(dm.Zwykle.value(QStringLiteral("DATA_WPR")).toDate(), QDate(2026, 3, 2));
        }
    }
}
