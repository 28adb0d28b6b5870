#include "FbError.h"
#include "Globals.h"
#include "InterestWalk.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

QDate day(const char *text)
{
    return QDate::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd"));
}

Money money(const char *text)
{
    Money value;
    EXPECT_TRUE(Money::parse(QLatin1String(text), value)) << text;
    return value;
}

struct Entry
{
    const char *day;
    const char *rate;
};

struct Line
{
    const char *to;
    const char *from;
    qint64 days;
    const char *interest;
};

struct WalkCase
{
    const char *name;
    std::vector<Entry> table;
    QDate firstDay;
    const char *due;
    const char *paid;
    const char *amount;
    std::vector<Line> lines;
    const char *total;
};

}

// Every expected line is worked out by hand: N counts both ends less the due date,
// interest = N x amount x rate / 36500, to the ten-thousandth, then to the grosz.
TEST(InterestWalk, SplitsTheTimeIntoPeriodsAndChargesEachAtItsRate)
{
    const QDate tax = TaxInterestFirstDay();
    const QDate statutory = StatutoryInterestFirstDay();
    const std::vector<WalkCase> cases = {
        // The table in any order. 10 %: 01.05-10.06 = 41 days, 41x1000x10/36500 = 11.232876 -> 11.23;
        // 12 %: 15.03-30.04 = 47 days less the due date = 46, 46x1000x12/36500 = 15.123287 -> 15.12;
        // the entry of 2003 lies before the due date's period, the walk ends.
        {"worked example", {{"2004-01-01", "12"}, {"2004-05-01", "10"}, {"2003-09-25", "13"}}, tax,
         "2004-03-15", "2004-06-10", "1000",
         {{"2004-06-10", "2004-05-01", 41, "11.23"}, {"2004-04-30", "2004-03-15", 46, "15.12"}}, "26.35"},
        // Due date before two entries: 41 days -> 11.23; 01.01-30.04 = 121 days (due date not within),
        // 121x1000x12/36500 = 39.780821 -> 39.78; 01.12-31.12 = 31 less 1 = 30, 30x1000x13/36500 =
        // 10.684931 -> 10.68. 41+121+30 = 192 = the days from 2.12.2003 to 10.06.2004.
        {"three periods", {{"2004-01-01", "12"}, {"2004-05-01", "10"}, {"2003-09-25", "13"}}, tax,
         "2003-12-01", "2004-06-10", "1000",
         {{"2004-06-10", "2004-05-01", 41, "11.23"},
          {"2004-04-30", "2004-01-01", 121, "39.78"},
          {"2003-12-31", "2003-12-01", 30, "10.68"}},
         "61.69"},
        // Paid on the due date: one line of 0 days.
        {"paid on the due date", {{"2004-01-01", "10"}}, tax, "2004-03-15", "2004-03-15", "1000",
         {{"2004-03-15", "2004-03-15", 0, "0.00"}}, "0.00"},
        // Newest entry before the due date: 15.03-10.06 = 88 days less 1 = 87 = P - D,
        // 87x1000x10/36500 = 23.835616 -> 23.84. The entry of 11.06 follows the payment date.
        {"one rate over the whole time", {{"2004-01-01", "10"}, {"2004-06-11", "50"}}, tax, "2004-03-15",
         "2004-06-10", "1000", {{"2004-06-10", "2004-03-15", 87, "23.84"}}, "23.84"},
        // Entry the day after the due date: 16.03-31.03 = 16 days, 16x1000x12/36500 = 5.260273 -> 5.26;
        // then the due date alone, 1 day less 1 = 0.
        {"entry the day after the due date", {{"2004-01-01", "10"}, {"2004-03-16", "12"}}, tax, "2004-03-15",
         "2004-03-31", "1000",
         {{"2004-03-31", "2004-03-16", 16, "5.26"}, {"2004-03-15", "2004-03-15", 0, "0.00"}}, "5.26"},
        // Oldest entry later than the due date: 16.03-30.04 are not charged.
        {"table starts after the due date", {{"2004-05-01", "10"}}, tax, "2004-03-15", "2004-06-10", "1000",
         {{"2004-06-10", "2004-05-01", 41, "11.23"}}, "11.23"},
        {"no entry up to the payment date", {{"2005-01-01", "10"}}, tax, "2004-03-15", "2004-06-10", "1000", {},
         "0.00"},
        // Due on the table's first day itself: 01.01-31.01.1998 = 31 days less 1 = 30,
        // 30x1000x35/36500 = 28.767123 -> 28.77.
        {"due date on the tax table's first day", {{"1998-01-01", "35"}}, tax, "1998-01-01", "1998-01-31", "1000",
         {{"1998-01-31", "1998-01-01", 30, "28.77"}}, "28.77"},
        {"due date before the tax table's first day", {{"1997-01-01", "35"}}, tax, "1997-12-31", "1998-01-31",
         "1000", {}, "0.00"},
        // The same dates under the statutory table's first day: 31.12-31.01 = 32 days less 1 = 31,
        // 31x1000x35/36500 = 29.726027 -> 29.73.
        {"same due date under the statutory table", {{"1997-01-01", "35"}}, statutory, "1997-12-31",
         "1998-01-31", "1000", {{"1998-01-31", "1997-12-31", 31, "29.73"}}, "29.73"},
        {"payment before the due date", {{"2004-01-01", "10"}}, tax, "2004-03-15", "2004-03-14", "1000", {},
         "0.00"},
        // 3650 zł at 10 % is exactly 1 zł a day. 01.02-31.03.2004 = 29+31 = 60 days less 1: 59 days,
        // 29 February among them at 1/365 of the rate like any day; in 2003 the same span has 58.
        {"period over 29 February", {{"2004-01-01", "10"}}, tax, "2004-02-01", "2004-03-31", "3650",
         {{"2004-03-31", "2004-02-01", 59, "59.00"}}, "59.00"},
        {"same span in a common year", {{"2003-01-01", "10"}}, tax, "2003-02-01", "2003-03-31", "3650",
         {{"2003-03-31", "2003-02-01", 58, "58.00"}}, "58.00"},
        // 1.46 zł at 10 % is 0.0004 a day: two periods of 10 days of 0.004 each, each 0.00 by itself,
        // although together they would make 0.008 -> 0.01.
        {"each period rounded before the sum", {{"2004-01-11", "10"}, {"2004-01-01", "10"}}, tax, "2003-12-31",
         "2004-01-20", "1.46",
         {{"2004-01-20", "2004-01-11", 10, "0.00"}, {"2004-01-10", "2004-01-01", 10, "0.00"}}, "0.00"},
        // 36.50 zł at 4.95 % for a day: exactly 0.00495, to the ten-thousandth 0.0050, to the grosz 0.01
        // (rounding straight to the grosz would give 0.00); at 4.94 %: 0.00494 -> 0.0049 -> 0.00.
        {"ten-thousandth first, then the grosz", {{"2004-01-02", "4.95"}}, tax, "2004-01-01", "2004-01-02", "36.5",
         {{"2004-01-02", "2004-01-02", 1, "0.01"}}, "0.01"},
        {"just below half a grosz", {{"2004-01-02", "4.94"}}, tax, "2004-01-01", "2004-01-02", "36.5",
         {{"2004-01-02", "2004-01-02", 1, "0.00"}}, "0.00"},
        // Two entries of 1.05.2004: the one met first applies (20 %: 41x1000x20/36500 = 22.465753 ->
        // 22.47), the other is passed over and the older periods are still charged (15.12).
        {"same day, first met applies", {{"2004-05-01", "20"}, {"2004-05-01", "10"}, {"2004-01-01", "12"}}, tax,
         "2004-03-15", "2004-06-10", "1000",
         {{"2004-06-10", "2004-05-01", 41, "22.47"}, {"2004-04-30", "2004-03-15", 46, "15.12"}}, "37.59"},
        {"same day, other order", {{"2004-05-01", "10"}, {"2004-05-01", "20"}, {"2004-01-01", "12"}}, tax,
         "2004-03-15", "2004-06-10", "1000",
         {{"2004-06-10", "2004-05-01", 41, "11.23"}, {"2004-04-30", "2004-03-15", 46, "15.12"}}, "26.35"},
        // The largest amount at 999.99 % for 10 years (3653 days with three leap days): the product
        // 3653 x 999999999.99 x 999.99 needs more than 64 bits; / 36500 = 100081190957.90330... -> .90.
        {"product beyond 64 bits", {{"1999-01-01", "999.99"}}, statutory, "2000-01-01", "2010-01-01",
         "999999999.99", {{"2010-01-01", "2000-01-01", 3653, "100081190957.90"}}, "100081190957.90"},
    };
    for (const WalkCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<RateEntry> table;
        for (const Entry &entry : c.table)
            table.push_back({day(entry.day), money(entry.rate)});
        const InterestResult result = ComputeInterest(table, c.firstDay, day(c.due), day(c.paid), money(c.amount));
        ASSERT_EQ(result.lines.size(), c.lines.size());
        for (size_t i = 0; i < c.lines.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(result.lines[i].to, day(c.lines[i].to));
            EXPECT_EQ(result.lines[i].from, day(c.lines[i].from));
            EXPECT_EQ(result.lines[i].days, c.lines[i].days);
            EXPECT_EQ(result.lines[i].interest, money(c.lines[i].interest));
        }
        EXPECT_EQ(result.total, money(c.total));
    }
}

TEST(InterestWalk, RefusesInterestBeyondTheMoneyRange)
{
    const std::vector<RateEntry> table{{day("2000-01-01"), Money::fromRaw(std::numeric_limits<qint64>::max())}};
    EXPECT_THROW(ComputeInterest(table, TaxInterestFirstDay(), day("2000-01-01"), day("2030-01-01"),
                                 Money::fromZloty(999'999'999)),
                 FbError);
}
