#include "Printers.h"
#include "TaxPeriod.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

void expectValid(std::initializer_list<const char *> codes, bool valid)
{
    for (const char *code : codes)
        EXPECT_EQ(IsTaxPeriodValid(QString::fromUtf8(code)), valid) << '"' << code << '"';
}

}

TEST(TaxPeriod, EmptyIsValidShortOrMalformedYearIsNot)
{
    expectValid({""}, true);
    expectValid({"0", "05", "5M01", "M0501", " 5M01", "0 M01"}, false);
}

TEST(TaxPeriod, Year)
{
    expectValid({"05R", "05R    ", "05R  ", "99R"}, true);
    expectValid({"05R1", "05R   1", "05R01"}, false);
}

TEST(TaxPeriod, HalfYear)
{
    expectValid({"05P01", "05P02", "05P02  "}, true);
    expectValid({"05P03", "05P00", "05P1", "05P", "05P 1", "05P01 1"}, false);
}

TEST(TaxPeriod, Quarter)
{
    expectValid({"05K01", "05K04"}, true);
    expectValid({"05K05", "05K00", "05K4"}, false);
}

TEST(TaxPeriod, Month)
{
    expectValid({"05M01", "05M12", "05M11  "}, true);
    expectValid({"05M13", "05M00", "05M011", "05M1A", "05M"}, false);
}

TEST(TaxPeriod, DecadeAndDayAreNotExamined)
{
    expectValid({"05D0101", "05J3112", "05D", "05JABCD", "05Jxyz"}, true);
}

TEST(TaxPeriod, UnknownOrLowerCaseKindIsInvalid)
{
    expectValid({"05m01", "05X01", "05 01", "05r"}, false);
}

TEST(TaxPeriod, CharactersAfterTheSeventhAreNotExamined)
{
    expectValid({"05M01  X", "05R    garbage"}, true);
}

TEST(PreviousMonthPeriod, SameYear)
{
    EXPECT_EQ(PreviousMonthPeriod(QDate(2005, 3, 15)), QStringLiteral("05M02"));
    EXPECT_EQ(PreviousMonthPeriod(QDate(2005, 12, 31)), QStringLiteral("05M11"));
    EXPECT_EQ(PreviousMonthPeriod(QDate(2010, 11, 1)), QStringLiteral("10M10"));
}

TEST(PreviousMonthPeriod, JanuaryGivesDecemberOfThePreviousYear)
{
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(PreviousMonthPeriod(QDate(2005, 1, day)), QStringLiteral("04M12")) << day;
    EXPECT_EQ(PreviousMonthPeriod(QDate(2000, 1, 10)), QStringLiteral("99M12"));
}

TEST(PreviousMonthPeriod, EveryYearADateHoldsGivesTwoDigits)
{
    constexpr int Earliest = std::numeric_limits<int>::min();
    constexpr int Latest = std::numeric_limits<int>::max();
    const struct
    {
        QDate today;
        const char *code;
    } cases[] = {
        {QDate(Earliest, 1, 1), "49M12"}, // the year before needs more than an int
        {QDate(Earliest, 2, 15), "48M01"}, // the year's magnitude needs more than an int
        {QDate(Latest, 12, 31), "47M11"},
        {QDate(-1, 3, 1), "01M02"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PreviousMonthPeriod(c.today), QString::fromLatin1(c.code)) << c.today.toString(Qt::ISODate).toStdString();
}

TEST(PreviousMonthPeriod, ResultIsAValidCode)
{
    const QString code = PreviousMonthPeriod(QDate(2005, 3, 15));
    EXPECT_EQ(code.size(), 5);
    EXPECT_TRUE(IsTaxPeriodValid(code));
}

TEST(PreviousMonthPeriod, InvalidDateGivesEmptyCode)
{
    EXPECT_EQ(PreviousMonthPeriod(QDate()), QString());
}
