#include "Globals.h"
#include "Printers.h"
#include "TaxPeriod.h"
#include "UpperCase.h"

#include "Cp1250.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

// Strings of 0..100 characters: half of them from the whole of Windows-1250, half mostly
// digits and separators, so that the checks also get past their first tests.
class ArbitraryTexts
{
public:
    QString next()
    {
        const int length = std::uniform_int_distribution<int>(0, 100)(engine_);
        const bool identifierLike = std::uniform_int_distribution<int>(0, 1)(engine_) == 1;
        QString text;
        for (int i = 0; i < length; ++i)
            text += identifierLike && std::uniform_int_distribution<int>(0, 9)(engine_) < 8
                        ? QChar(QStringLiteral("0123456789 -_").at(std::uniform_int_distribution<int>(0, 12)(engine_)))
                        : Cp1250::fromByte(static_cast<unsigned char>(std::uniform_int_distribution<int>(0, 255)(engine_)));
        // Short texts of the lengths that the checks look for, too.
        if (identifierLike && length > 14)
            text.truncate(std::uniform_int_distribution<int>(7, 14)(engine_));
        return text;
    }

private:
    std::mt19937 engine_{20050311};
};

bool onlyAsciiDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

}

TEST(ArbitraryText, EveryTextFunctionCopes)
{
    ArbitraryTexts texts;
    for (int round = 0; round < 5000; ++round) {
        const QString text = texts.next();
        SCOPED_TRACE(text.toStdString());

        const QString stripped = StripSeparators(text);
        EXPECT_FALSE(stripped.contains(u' ') || stripped.contains(u'-') || stripped.contains(u'_'));
        EXPECT_EQ(IsBlankIdentifier(text), stripped.isEmpty());
        const QString digits = DigitsOnly(text);
        EXPECT_TRUE(onlyAsciiDigits(digits));
        EXPECT_LE(digits.size(), stripped.size());

        if (IsValidAccount(text) && !IsBlankIdentifier(text)) {
            EXPECT_EQ(stripped.size(), 26);
        }
        if (IsValidPesel(text) && !IsBlankIdentifier(text)) {
            EXPECT_TRUE(text.size() == 11 && onlyAsciiDigits(text));
        }
        // Control characters are trimmed before the blank test, so none at all is possible too.
        if (IsValidNip(text)) {
            EXPECT_TRUE(digits.isEmpty() || digits.size() == 10);
        }
        (void)IsValidRegon(text);
        (void)NipChecksumOk(text);
        (void)RegonChecksumOk(text);
        (void)PeselChecksumOk(text);

        EXPECT_LE(DigitAbbreviation(text).size(), 3);
        EXPECT_EQ(FormatAccount(text).size(), 32);
        EXPECT_EQ(UpperCp1250(text).size(), text.size());
        EXPECT_EQ(Cp1250::firstUnheld(UpperCp1250(text)), Cp1250::firstUnheld(text));

        (void)IsTaxPeriodValid(text);
    }
}

TEST(ArbitraryValue, AmountAndDateFunctionsCope)
{
    std::mt19937_64 engine(19991231);
    std::uniform_int_distribution<std::int64_t> anyRaw(std::numeric_limits<std::int64_t>::min(),
                                                        std::numeric_limits<std::int64_t>::max());
    std::uniform_int_distribution<qint64> anyDay(QDate(-4000, 1, 1).toJulianDay(), QDate(12000, 12, 31).toJulianDay());
    for (int round = 0; round < 5000; ++round) {
        const Money amount = Money::fromRaw(anyRaw(engine));
        SCOPED_TRACE(amount.toPlainString(4).toStdString());
        EXPECT_GE(AmountForBoxes(amount).size(), 12);
        EXPECT_TRUE(AmountInWords(amount).endsWith(QStringLiteral("/100")));
        for (int mode = -1; mode <= 3; ++mode)
            (void)RoundMoney(mode, amount);

        const QDate date = QDate::fromJulianDay(anyDay(engine));
        const QString literal = SqlDateLiteral(date);
        EXPECT_TRUE(literal.isEmpty() || literal.size() == 13);
        const QString period = PreviousMonthPeriod(date);
        EXPECT_TRUE(IsTaxPeriodValid(period)) << period.toStdString();
    }
}
