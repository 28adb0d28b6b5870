#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "TPodatkowyFrm.h"
#include "TZUSFrm.h"
#include "TZwyklyFrm.h"

#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Account = QStringLiteral("61109010140000071219812874");

}

// Another user deletes the order while it is open for correction, and the list is read
// again: "&Zapisz" must change no other order, and says so the same way in every editor.
TEST(VanishedOrder, EveryEditorTellsTheOrderIsGoneAndChangesNoOther)
{
    const struct {
        const char *what, *editor, *table;
        QString insert;
        Dataset TDM::*list;
        std::function<void(TDM &)> reopen;
        std::function<bool()> showCurrent;
    } rows[] = {
        {"ordinary", "TZwyklyFrm", "ZWYKLE",
         "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, KONTO_NAD, TYTUL1_ZAPL, "
         "DATA_WPR) values (%1, 'Odbiorca', '" + Account + "', 'T', 10, 'Nadawca', '" + Account + "', 'Tytuł', "
         "current_timestamp)",
         &TDM::Zwykle, [](TDM &dm) { dm.ReopenOrdinaryList(0); }, [] { return TZwyklyFrm().ShowCurrent(); }},
        {"tax", "TPodatkowyFrm", "PODATKOWE",
         "insert into PODATKOWE (PRZELEWID, NAZWA1_ODB, KONTO_ODB, RODZAJ_RACH, PRZELEW, KWOTA, NAZWA1_NAD, KONTO_NAD, "
         "IDENTYF, TYPIDENTYF, OKRES, SYMBOLFORM, DATA_WPR) values (%1, 'Urząd', '" + Account + "', 'P', 'T', 10, "
         "'Jan', '" + Account + "', 'ABC', 'N', '24M01', 'PIT-4', current_timestamp)",
         &TDM::Podatkowe, [](TDM &dm) { dm.ReopenTaxList(0); }, [] { return TPodatkowyFrm().ShowCurrent(); }},
        {"ZUS", "TZUSFrm", "ZUS",
         "insert into ZUS (PRZELEWID, PRZELEW, TYP_WPL_51, KWOTA_51, KWOTA_52, KWOTA_53, KONTO_NAD, NAZWA1_NAD, "
         "NIP_NAD, TYP_IDENT, IDENT_UZUP, NR_DEKL, MIES_DEKL, ROK_DEKL, DATA_WPR) values (%1, 'T', 'S', 100, 0, 0, '"
             + Account + "', 'Jan', '123-456-32-18', 'R', '123456785', '01', 7, 2025, current_timestamp)",
         &TDM::Zusowe, [](TDM &dm) { dm.ReopenZusList(0); }, [] { return TZUSFrm().ShowCurrent(); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        FreshDatabase db;
        MessageRecorder messages;
        ModalScript modal;
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        db.execute({row.insert.arg(1), row.insert.arg(2)});
        row.reopen(dm);
        Dataset &list = dm.*row.list;
        ASSERT_TRUE(list.locate(QStringLiteral("PRZELEWID"), 2));
        int stillOpen = 0;
        modal.script = [&](QDialog &editor) {
            EXPECT_EQ(editor.objectName(), QLatin1String(row.editor));
            db.execute({QStringLiteral("delete from %1 where PRZELEWID = 2").arg(QLatin1String(row.table))});
            row.reopen(dm);
            editor.findChild<QPushButton *>(QStringLiteral("PostBtn"))->click();
            stillOpen += editor.result() == QDialog::Accepted ? 0 : 1;
            return int(QDialog::Rejected);
        };
        EXPECT_FALSE(row.showCurrent());
        EXPECT_EQ(stillOpen, 1);
        EXPECT_EQ(messages.warnings,
                  QStringList{QStringLiteral("Tego przelewu nie ma już w wykazie; poprawki nie zostały zapisane.")});
        row.reopen(dm);
        list.fetchAll();
        EXPECT_EQ(list.fetchedCount(), 1);
        EXPECT_EQ(list.value(QStringLiteral("PRZELEWID")).toInt(), 1);
    }
}
