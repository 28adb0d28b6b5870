#include "DatasetModel.h"
#include "DisplayFormat.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "Money.h"

#include <QItemSelectionModel>
#include <gtest/gtest.h>

namespace {

QVariant money(const char *text)
{
    Money value;
    EXPECT_TRUE(Money::parse(QString::fromLatin1(text), value)) << text;
    return QVariant::fromValue(value);
}

}

TEST(DisplayFormat, AmountsGroupOnlyTheThousands)
{
    EXPECT_EQ(FormatDisplay(money("1234.5"), "# ##0.00"), "1 234,50");
    EXPECT_EQ(FormatDisplay(money("1234567.5"), "# ##0.00"), "1234 567,50");
    EXPECT_EQ(FormatDisplay(money("999.99"), "# ##0.00"), "999,99");
    EXPECT_EQ(FormatDisplay(money("0.07"), "# ##0.00"), "0,07");
    EXPECT_EQ(FormatDisplay(money("0"), "# ##0.00"), "0,00");
    EXPECT_EQ(FormatDisplay(money("-1234.5"), "# ##0.00"), "-1 234,50");
    EXPECT_EQ(FormatDisplay(money("0.005"), "# ##0.00"), "0,01");
    EXPECT_EQ(FormatDisplay(QVariant(), "# ##0.00"), "");
}

TEST(DisplayFormat, RatesCarryAPerCentSign)
{
    EXPECT_EQ(FormatDisplay(money("13"), "##0.00 %"), "13,00 %");
    EXPECT_EQ(FormatDisplay(money("1234.5"), "##0.00 %"), "1234,50 %");
}

TEST(DatasetModel, FollowsTheListAndKeepsSelectionAndCurrentRowInStep)
{
    FreshDatabase db;
    QStringList inserts;
    for (int id = 1; id <= 500; ++id)
        inserts << QString("insert into ZWYKLE (PRZELEWID, NAZWA1_NAD, KWOTA, DATA_WPR) values (%1, 'N%1', %1.5, current_timestamp)").arg(id);
    db.execute(inserts);
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());

    DatasetModel model(dm.Zwykle, {{"NAZWA1_NAD", "Zleceniodaca", 168, {}}, {"KWOTA", "Kwota", 82, "# ##0.00"}});
    QItemSelectionModel selection(&model);
    model.bindSelection(&selection);

    // Opening reads only a first screen of the 500 rows.
    EXPECT_LT(model.rowCount(), 500);
    EXPECT_TRUE(model.canFetchMore({}));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Zleceniodaca");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::DisplayRole).toString(), "N500");
    EXPECT_EQ(model.data(model.index(0, 1), Qt::DisplayRole).toString(), "500,50");
    EXPECT_EQ(selection.currentIndex().row(), 0);

    // Grid to list.
    selection.setCurrentIndex(model.index(3, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), 497);
    EXPECT_FALSE(model.headerData(3, Qt::Vertical, Qt::DisplayRole).toString().isEmpty());
    EXPECT_TRUE(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString().isEmpty());

    // List to grid, also beyond what was read, and after a reopen on a given row.
    ASSERT_TRUE(dm.Zwykle.locate("PRZELEWID", 2));
    EXPECT_EQ(selection.currentIndex().row(), 498);
    EXPECT_EQ(model.rowCount(), dm.Zwykle.fetchedCount());
    dm.ReopenOrdinaryList(250);
    EXPECT_EQ(selection.currentIndex().row(), 250);
    EXPECT_TRUE(selection.isRowSelected(250, {}));

    // Suspended views do not follow until resumed.
    dm.Zwykle.disableControls();
    dm.Zwykle.setCurrentRow(10);
    EXPECT_EQ(selection.currentIndex().row(), 250);
    dm.Zwykle.enableControls();
    EXPECT_EQ(selection.currentIndex().row(), 10);
}

// Deleting the last row read while more wait unread: the next row comes in, becomes
// current and is a row of the grid.
TEST(DatasetModel, DeletingTheLastRowReadKeepsTheGridCountingEveryRow)
{
    FreshDatabase db;
    db.execute({"insert into ZWYKLE (PRZELEWID, NAZWA1_NAD, KWOTA, DATA_WPR) with recursive r(n) as "
                "(select 0 from rdb$database union all select n + 1 from r where n < 99) "
                "select a.n * 100 + b.n + 1, 'N' || (a.n * 100 + b.n + 1), 1, current_timestamp "
                "from r a cross join r b where a.n * 100 + b.n < 5000"});
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());
    DatasetModel model(dm.Zwykle, {{"NAZWA1_NAD", "Zleceniodaca", 168, {}}});
    QItemSelectionModel selection(&model);
    model.bindSelection(&selection);

    for (int deletion = 0; deletion < 2; ++deletion) {
        const int last = dm.Zwykle.fetchedCount() - 1;
        dm.Zwykle.setCurrentRow(last);
        const qint32 following = dm.Zwykle.value("PRZELEWID").toInt() - 1; // newest first
        dm.Zwykle.remove();
        EXPECT_EQ(model.rowCount(), dm.Zwykle.fetchedCount());
        EXPECT_EQ(dm.Zwykle.currentRow(), last);
        EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), following);
        EXPECT_EQ(selection.currentIndex().row(), last);
        EXPECT_EQ(model.data(model.index(last, 0), Qt::DisplayRole).toString(), QString("N%1").arg(following));
    }
}
