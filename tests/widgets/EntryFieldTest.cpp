#include "AccountEdit.h"
#include "FieldLeave.h"
#include "LengthCounter.h"
#include "MoneyEdit.h"
#include "NullableDateEdit.h"
#include "ValidityMark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QValidator>
#include <gtest/gtest.h>

namespace {

void sendFocusOut(QWidget *field, Qt::FocusReason reason)
{
    QFocusEvent event(QEvent::FocusOut, reason);
    QApplication::sendEvent(field, &event);
}

}

TEST(FieldLeave, OnlyTheUserMovingOnCountsAsLeaving)
{
    const struct { Qt::FocusReason reason; bool leaves; } rows[] = {
        {Qt::TabFocusReason, true},      {Qt::BacktabFocusReason, true},      {Qt::MouseFocusReason, true},
        {Qt::ShortcutFocusReason, true}, {Qt::PopupFocusReason, false},       {Qt::ActiveWindowFocusReason, false},
        {Qt::OtherFocusReason, false},
    };
    for (const auto &row : rows) {
        QLineEdit field;
        int left = 0;
        OnFieldLeave(&field, [&left] { ++left; });
        sendFocusOut(&field, row.reason);
        EXPECT_EQ(left, row.leaves ? 1 : 0) << row.reason;
    }
}

TEST(AccountEdit, KeepsDigitsOnlyAndColoursAFailingNumberOnLeaving)
{
    const struct { QString typed; QString digits; bool valid; } rows[] = {
        {"61109010140000071219812874", "61109010140000071219812874", true},
        {"61 1090 1014 0000 0712 1981 2874", "61109010140000071219812874", true},
        {"", "", true},                                       // blank passes; required is the caller's call
        {"61109010140000071219812875", "61109010140000071219812875", false},
        {"6110901014", "6110901014", false},                  // half typed
    };
    for (const auto &row : rows) {
        AccountEdit field;
        field.SetDigits(row.typed);
        EXPECT_EQ(field.Digits(), row.digits) << row.typed.toStdString();
        EXPECT_FALSE(IsMarkedInvalid(&field));
        sendFocusOut(&field, Qt::TabFocusReason);
        EXPECT_EQ(IsMarkedInvalid(&field), !row.valid) << row.typed.toStdString();
        EXPECT_EQ(field.toolTip(), row.valid ? QString() : "Nieprawidłowy numer rachunku bankowego");
    }
}

TEST(MoneyEdit, AcceptsExactAmountsUpToTheMaximumAndShowsThemGrouped)
{
    const struct { QString typed; bool accepted; qint64 grosze; QString shown; } rows[] = {
        {"0", true, 0, "0,00"},
        {"123,05", true, 12305, "123,05"},
        {"1234.5", true, 123450, "1 234,50"},
        {"1000000", true, 100000000, "1 000 000,00"},
        {"999999999", true, 99999999900, "999 999 999,00"},
        {"999999999,01", false, 0, "0,00"},                  // a grosz above the maximum
        {"1000000000", false, 0, "0,00"},
        {"12,345", false, 0, "0,00"},                        // no third decimal
        {"-5", false, 0, "0,00"},
        {"12a", false, 0, "0,00"},
    };
    for (const auto &row : rows) {
        MoneyEdit field;
        QString text = row.typed;
        int position = 0;
        const bool accepted = field.validator()->validate(text, position) == QValidator::Acceptable;
        EXPECT_EQ(accepted, row.accepted) << row.typed.toStdString();
        if (accepted)
            field.setText(row.typed);
        EXPECT_EQ(field.Value(), Money::fromGrosze(row.grosze)) << row.typed.toStdString();
        EXPECT_EQ(MoneyEdit::Grouped(field.Value()), row.shown);
    }
}

TEST(MoneyEdit, RefusesToBeSetOutsideItsRangeInsteadOfClamping)
{
    MoneyEdit field;
    ASSERT_TRUE(field.SetValue(Money::fromGrosze(150)));
    EXPECT_FALSE(field.SetValue(MoneyEdit::Maximum() + Money::fromGrosze(1)));
    EXPECT_FALSE(field.SetValue(Money::fromGrosze(-1)));
    EXPECT_EQ(field.Value(), Money::fromGrosze(150));
    EXPECT_EQ(field.text(), "1,50");
    // A computed amount keeps its four decimals even though the field shows two.
    ASSERT_TRUE(field.SetValue(Money::fromRaw(12'345'678)));
    EXPECT_EQ(field.Value(), Money::fromRaw(12'345'678));
}

TEST(NullableDateEdit, EmptyIsNoDateAndAHalfTypedDateIsNeverTakenForNone)
{
    const struct { QString typed; QDate date; bool invalid; } rows[] = {
        {"", QDate(), false},
        {"24.12.2026", QDate(2026, 12, 24), false},
        {"29.02.2024", QDate(2024, 2, 29), false},
        {"29.02.2026", QDate(), true},
        {"12.05.20", QDate(), true},
        {"30.12.1899", QDate(), true},                      // the zero date is stored, never typed
    };
    for (const auto &row : rows) {
        NullableDateEdit field;
        field.setText(row.typed);
        EXPECT_EQ(field.Date(), row.date) << row.typed.toStdString();
        EXPECT_EQ(field.HasInvalidText(), row.invalid) << row.typed.toStdString();
        sendFocusOut(&field, Qt::TabFocusReason);
        EXPECT_EQ(IsMarkedInvalid(&field), row.invalid) << row.typed.toStdString();
    }
    NullableDateEdit field;
    field.SetDate(QDate(1899, 12, 30));
    EXPECT_TRUE(field.Date().isNull());
    EXPECT_FALSE(field.HasInvalidText());
    field.SetDate(QDate(2026, 1, 2));
    EXPECT_EQ(field.text(), "02.01.2026");
}

TEST(LengthCounter, TurnsYellowOnlyBeyondWhatTheFormHolds)
{
    const struct { int length; QString shown; bool over; } rows[] = {
        {0, "0 [27] ", false}, {27, "27 [27] ", false}, {28, "28 [27] ", true}, {50, "50 [27] ", true}};
    QLineEdit line;
    LengthCounter counter(&line);
    for (const auto &row : rows) {
        line.setText(QString(row.length, u'ż'));
        EXPECT_EQ(counter.text(), row.shown);
        EXPECT_EQ(counter.IsOverLimit(), row.over);
        EXPECT_EQ(counter.palette().color(QPalette::Window) == QColor(Qt::yellow), row.over) << row.length;
    }
}
