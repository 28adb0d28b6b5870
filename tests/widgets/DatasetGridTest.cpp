#include "DatasetGrid.h"
#include "FbConnection.h"

#include <QApplication>
#include <QFont>
#include <cmath>
#include <gtest/gtest.h>

// Whatever the font, the amount column shows the largest amount of an order and the
// columns keep the proportions of their given widths.
TEST(DatasetGrid, ColumnWidthsGrowWithTheFontAndKeepTheirProportions)
{
    FbConnection connection;
    FbTransaction transaction(connection);
    Dataset list(transaction, "Zwykle");
    const QFont original = QApplication::font();
    for (const int points : {6, 9, 12, 16}) {
        SCOPED_TRACE(points);
        QFont font = original;
        font.setPointSize(points);
        QApplication::setFont(font);
        DatasetGrid grid(list, {{"NAZWA1_NAD", "Zleceniodaca", 168, {}}, {"KWOTA", "Kwota", 82, "# ##0.00"}});
        const int amount = grid.columnWidth(1);
        EXPECT_GE(amount - grid.TextMargins(), grid.fontMetrics().horizontalAdvance("999 999 999,99"));
        EXPECT_GE(amount, 82);
        EXPECT_NEAR(double(grid.columnWidth(0)) / amount, 168.0 / 82, 0.02);
    }
    QApplication::setFont(original);
}
