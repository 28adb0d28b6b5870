#include "Globals.h"
#include "Printers.h"
#include "TOkresFrm.h"
#include "TaxPeriod.h"
#include "UpperCase.h"

#include "Cp1250.h"

#include <gtest/gtest.h>
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
    TOkresFrm dialog;
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
        dialog.LoadPeriod(text);
        EXPECT_LE(dialog.PeriodCode().size(), 7);
    }
}
