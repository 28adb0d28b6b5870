#include "Globals.h"
#include "Printers.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

Money amount(const char *text)
{
    Money value;
    EXPECT_TRUE(Money::parse(QString::fromLatin1(text), value)) << text;
    return value;
}

}

TEST(AmountForBoxes, PadsWithDashesToTwelve)
{
    EXPECT_EQ(AmountForBoxes(amount("1234.5")), QStringLiteral("1234,50-----"));
    EXPECT_EQ(AmountForBoxes(amount("0.07")), QStringLiteral("0,07--------"));
    EXPECT_EQ(AmountForBoxes(Money()), QStringLiteral("0,00--------"));
    EXPECT_EQ(AmountForBoxes(amount("123456789.01")), QStringLiteral("123456789,01"));
}

TEST(AmountForBoxes, LongerAmountsAreLeftWhole)
{
    EXPECT_EQ(AmountForBoxes(amount("1234567890.12")), QStringLiteral("1234567890,12"));
    EXPECT_EQ(AmountForBoxes(amount("9999999999.99")).size(), 13);
}

TEST(AmountForBoxes, RoundsToTheNearestGroszHalfUp)
{
    EXPECT_EQ(AmountForBoxes(amount("10.005")), QStringLiteral("10,01-------"));
    EXPECT_EQ(AmountForBoxes(amount("10.0049")), QStringLiteral("10,00-------"));
    EXPECT_EQ(AmountForBoxes(amount("9.995")), QStringLiteral("10,00-------"));
}

TEST(AmountForBoxes, SignIsDropped)
{
    EXPECT_EQ(AmountForBoxes(amount("-12.5")), QStringLiteral("12,50-------"));
    EXPECT_EQ(AmountForBoxes(Money::fromRaw(std::numeric_limits<std::int64_t>::min())),
              QStringLiteral("922337203685477,58"));
}

TEST(AmountInWords, ExamplesOfTheForms)
{
    EXPECT_EQ(AmountInWords(amount("123.05")), QStringLiteral("JED*DWA*TRZ*5/100"));
    EXPECT_EQ(AmountInWords(amount("0.50")), QStringLiteral("ZER*50/100"));
    EXPECT_EQ(AmountInWords(amount("1000")), QStringLiteral("JED*ZER*ZER*ZER*0/100"));
    EXPECT_EQ(AmountInWords(Money()), QStringLiteral("ZER*0/100"));
    EXPECT_EQ(AmountInWords(amount("10.10")), QStringLiteral("JED*ZER*10/100"));
    EXPECT_EQ(AmountInWords(amount("4567.89")), QStringLiteral("CZT*PIĘ*SZE*SIE*89/100"));
}

TEST(AmountInWords, GroszeAreExact)
{
    EXPECT_EQ(AmountInWords(amount("0.53")), QStringLiteral("ZER*53/100"));
    EXPECT_EQ(AmountInWords(amount("0.59")), QStringLiteral("ZER*59/100"));
    EXPECT_EQ(AmountInWords(amount("0.29")), QStringLiteral("ZER*29/100"));
    // A sub-grosz remainder is cut, not rounded.
    EXPECT_EQ(AmountInWords(amount("1.999")), QStringLiteral("JED*99/100"));
}

TEST(AmountInWords, AmountsBeyondThirtyTwoBitsKeepTheirDigits)
{
    EXPECT_EQ(AmountInWords(Money::fromZloty(2147483648LL)),
              QStringLiteral("DWA*JED*CZT*SIE*CZT*OSI*TRZ*SZE*CZT*OSI*0/100"));
    EXPECT_EQ(AmountInWords(Money::fromZloty(10000000000LL) + amount("0.01")),
              QStringLiteral("JED*ZER*ZER*ZER*ZER*ZER*ZER*ZER*ZER*ZER*ZER*1/100"));
}

TEST(AmountInWords, NegativeAmountIsWrittenByItsMagnitude)
{
    EXPECT_EQ(AmountInWords(amount("-12.34")), QStringLiteral("JED*DWA*34/100"));
    EXPECT_EQ(AmountInWords(Money::fromRaw(std::numeric_limits<std::int64_t>::min())),
              QStringLiteral("DZI*DWA*DWA*TRZ*TRZ*SIE*DWA*ZER*TRZ*SZE*OSI*PIĘ*CZT*SIE*SIE*58/100"));
}

TEST(DigitAbbreviation, OneDigitOnly)
{
    const char *const expected[] = {"ZER", "JED", "DWA", "TRZ", "CZT", "PIĘ", "SZE", "SIE", "OSI", "DZI"};
    for (int d = 0; d <= 9; ++d)
        EXPECT_EQ(DigitAbbreviation(QString::number(d)), QString::fromUtf8(expected[d]));
    EXPECT_EQ(DigitAbbreviation(QStringLiteral("5")), QStringLiteral("PI\u0118"));
    EXPECT_EQ(DigitAbbreviation(QString()), QString());
    EXPECT_EQ(DigitAbbreviation(QStringLiteral("12")), QString());
    EXPECT_EQ(DigitAbbreviation(QStringLiteral("a")), QString());
    EXPECT_EQ(DigitAbbreviation(QStringLiteral("\u0663")), QString());
}

TEST(RoundMoney, HalvesGoUp)
{
    EXPECT_EQ(RoundMoney(2, amount("10.005")), amount("10.01"));
    EXPECT_EQ(RoundMoney(2, amount("10.0049")), amount("10.00"));
    EXPECT_EQ(RoundMoney(1, amount("10.05")), amount("10.1"));
    EXPECT_EQ(RoundMoney(1, amount("10.0499")), amount("10.0"));
    EXPECT_EQ(RoundMoney(0, amount("2.5")), amount("3"));
    EXPECT_EQ(RoundMoney(0, amount("2.4999")), amount("2"));
}

TEST(RoundMoney, OtherModesLeaveTheAmount)
{
    for (int mode : {-1, 3, 7})
        EXPECT_EQ(RoundMoney(mode, amount("10.0049")), amount("10.0049"));
}

TEST(RoundMoney, NegativeAmountsAddHalfAndCutTowardZero)
{
    EXPECT_EQ(RoundMoney(0, amount("-2.5")), amount("-2"));
    EXPECT_EQ(RoundMoney(0, amount("-2.6")), amount("-2"));
    EXPECT_EQ(RoundMoney(2, amount("-0.004")), Money());
}

TEST(RoundMoney, ExtremeValuesDoNotOverflow)
{
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    const std::int64_t min = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(RoundMoney(0, Money::fromRaw(max)).raw(), max / 10000 * 10000);
    EXPECT_EQ(RoundMoney(2, Money::fromRaw(max)).raw(), max / 100 * 100);
    EXPECT_EQ(RoundMoney(0, Money::fromRaw(min)).raw(), min / 10000 * 10000);
}
