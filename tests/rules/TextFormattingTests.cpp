#include "Globals.h"
#include "Printers.h"

#include <gtest/gtest.h>

TEST(FormatAccount, GroupsOfTheNrbNotation)
{
    EXPECT_EQ(FormatAccount(QStringLiteral("61109010140000071219812874")),
              QStringLiteral("61 1090 1014 0000 0712 1981 2874"));
}

TEST(FormatAccount, EmptyGivesThirtyTwoSpaces)
{
    EXPECT_EQ(FormatAccount(QString()), QString(32, u' '));
}

TEST(FormatAccount, ShortInputLeavesBlanks)
{
    EXPECT_EQ(FormatAccount(QStringLiteral("6110901")), QStringLiteral("61 1090 1                       "));
}

TEST(FormatAccount, CharactersBeyondTheTwentySixthAreDropped)
{
    const QString forty = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd");
    ASSERT_EQ(forty.size(), 40);
    EXPECT_EQ(FormatAccount(forty), QStringLiteral("AB CDEF GHIJ KLMN OPQR STUV WXYZ"));
}

TEST(FormatLengthCounter, UsedAndMaximumWithTrailingSpace)
{
    EXPECT_EQ(FormatLengthCounter(12, 27), QStringLiteral("12 [27] "));
    EXPECT_EQ(FormatLengthCounter(0, 27), QStringLiteral("0 [27] "));
}

TEST(SqlDateLiteral, DayMonthAbbreviationYear)
{
    EXPECT_EQ(SqlDateLiteral(QDate(2004, 3, 5)), QStringLiteral("'05-MAR-2004'"));
    EXPECT_EQ(SqlDateLiteral(QDate(1999, 12, 31)), QStringLiteral("'31-DEC-1999'"));
    EXPECT_EQ(SqlDateLiteral(QDate(2000, 1, 1)), QStringLiteral("'01-JAN-2000'"));
    EXPECT_EQ(SqlDateLiteral(QDate(1999, 12, 31)).size(), 13);
}

TEST(SqlDateLiteral, YearsArePaddedToFourDigits)
{
    EXPECT_EQ(SqlDateLiteral(QDate(12, 7, 4)), QStringLiteral("'04-JUL-0012'"));
}

TEST(SqlDateLiteral, DateThatCannotBeWrittenGivesEmptyText)
{
    EXPECT_EQ(SqlDateLiteral(QDate()), QString());
    EXPECT_EQ(SqlDateLiteral(QDate(-5, 1, 1)), QString());
    EXPECT_EQ(SqlDateLiteral(QDate(10000, 1, 1)), QString());
}

TEST(FormNames, NamesAndCaptions)
{
    EXPECT_EQ(FormName(PrintForm::F101), QStringLiteral("F-101"));
    EXPECT_EQ(FormName(PrintForm::F110), QStringLiteral("F-110"));
    EXPECT_EQ(FormName(PrintForm::F130), QStringLiteral("F-130"));
    EXPECT_EQ(FormName(PrintForm::K117), QStringLiteral("K-117"));
    EXPECT_EQ(FormName(PrintForm::K471), QStringLiteral("K-471"));
    EXPECT_EQ(FormCaption(PrintForm::F101), QStringLiteral("F-101  (2 odcinki)"));
    EXPECT_EQ(FormCaption(PrintForm::F110), QStringLiteral("F-110  (2 odcinki)"));
    EXPECT_EQ(FormCaption(PrintForm::F130), QStringLiteral("F-130  (2 odcinki)"));
    EXPECT_EQ(FormCaption(PrintForm::K117), QStringLiteral("K-117  (4 odcinki)"));
    EXPECT_EQ(FormCaption(PrintForm::K471), QStringLiteral("K-471  (2 odcinki)"));
}

TEST(FormNames, UnknownValueIsEmpty)
{
    for (int value : {5, -1}) {
        EXPECT_EQ(FormName(static_cast<PrintForm>(value)), QString());
        EXPECT_EQ(FormCaption(static_cast<PrintForm>(value)), QString());
    }
}
