#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "Money.h"

#include <QDateTime>
#include <gtest/gtest.h>

// The ordinary list stores what its editor shows; the invoice an order pays is kept
// beside it: an order typed by hand pays none, and an order's change keeps it.
TEST(OrdinaryInvoiceColumns, TheListsChangesNeitherFillNorDropThem)
{
    FreshDatabase db;
    MessageRecorder messages;
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR, TYTUL1_ZAPL, NIP_ODB, NR_FAKTURY, NR_KSEF, MPP, "
                "KWOTA_VAT) values (100, 100, current_timestamp, 'FV 1', '5265877635', 'FV 1', "
                "'5265877635-20250826-0100001AF629-AF', 'T', 23)"});
    dm.ReopenOrdinaryList(100);
    dm.Zwykle.edit();
    dm.Zwykle.setValue("TYTUL1_ZAPL", "FV 1 poprawiona");
    dm.Zwykle.post();

    dm.Zwykle.append();
    dm.Zwykle.setValue("PRZELEWID", dm.NewTransferId());
    dm.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromGrosze(100)));
    dm.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
    dm.Zwykle.post();
    dm.trZwykle.commit();

    dm.OpenQuery("select TYTUL1_ZAPL, NIP_ODB, NR_FAKTURY, NR_KSEF, MPP, KWOTA_VAT from ZWYKLE order by PRZELEWID");
    dm.q.fetchAll();
    ASSERT_EQ(dm.q.fetchedCount(), 2);
    const QVariant none;
    const QVariant expected[2][6] = {
        {none, none, none, none, "N", none},   // numbered 1 by the sequence
        {"FV 1 poprawiona", "5265877635", "FV 1", "5265877635-20250826-0100001AF629-AF", "T",
         QVariant::fromValue(Money::fromZloty(23))},
    };
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 6; ++column)
            EXPECT_EQ(dm.q.valueAt(row, column), expected[row][column]) << row << ", " << column << ": " << dm.q.valueAt(row, column).toString().toStdString();
}
