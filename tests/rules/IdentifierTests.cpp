#include "Globals.h"
#include "Printers.h"

#include <gtest/gtest.h>

namespace {

// Valid NRB numbers, check digits computed for Poland (mod 97 of BBAN + "2521" + check = 1).
const QString Account1 = QStringLiteral("61109010140000071219812874");
const QString Account2 = QStringLiteral("10105000997603123456789123");
const QString UntouchedAccountMask = QStringLiteral("__ ____ ____ ____ ____ ____ ____");

}

TEST(Separators, StripKeepsEverythingButSpaceHyphenUnderscore)
{
    EXPECT_EQ(StripSeparators(QStringLiteral(" 1-2_3 a\tb.")), QStringLiteral("123a\tb."));
    EXPECT_EQ(StripSeparators(QString()), QString());
}

TEST(Separators, DigitsOnlyKeepsAsciiDigitsOnly)
{
    // Arabic-Indic three and full-width five are digits to Unicode, not to an account field.
    EXPECT_EQ(DigitsOnly(QStringLiteral("PL 61-1090_x\u0663\uFF15")), QStringLiteral("611090"));
}

TEST(Separators, BlankIdentifier)
{
    EXPECT_TRUE(IsBlankIdentifier(QString()));
    EXPECT_TRUE(IsBlankIdentifier(UntouchedAccountMask));
    EXPECT_TRUE(IsBlankIdentifier(QStringLiteral("- _")));
    EXPECT_FALSE(IsBlankIdentifier(QStringLiteral("\t")));
    EXPECT_FALSE(IsBlankIdentifier(QStringLiteral("_0_")));
}

TEST(BlankFields, AreValidForEveryCheck)
{
    for (const QString &blank : {QString(), QStringLiteral("     "), UntouchedAccountMask}) {
        EXPECT_TRUE(IsValidAccount(blank)) << blank.toStdString();
        EXPECT_TRUE(IsValidNip(blank)) << blank.toStdString();
        EXPECT_TRUE(IsValidRegon(blank)) << blank.toStdString();
        EXPECT_TRUE(IsValidPesel(blank)) << blank.toStdString();
    }
}

TEST(Account, ValidNumbers)
{
    EXPECT_TRUE(IsValidAccount(Account1));
    EXPECT_TRUE(IsValidAccount(Account2));
}

TEST(Account, SeparatorsAnywhereAreIgnored)
{
    EXPECT_TRUE(IsValidAccount(QStringLiteral("61 1090 1014 0000 0712 1981 2874")));
    EXPECT_TRUE(IsValidAccount(QStringLiteral("6-1_1090 10140000 07121981-2874__")));
    EXPECT_TRUE(IsValidAccount(QStringLiteral("  ") + Account1 + QStringLiteral("--")));
}

TEST(Account, WrongLengthIsInvalid)
{
    EXPECT_FALSE(IsValidAccount(Account1.left(25)));
    EXPECT_FALSE(IsValidAccount(Account1 + u'0'));
    EXPECT_FALSE(IsValidAccount(QStringLiteral("61")));
}

TEST(Account, AnyLetterIsInvalid)
{
    EXPECT_FALSE(IsValidAccount(QStringLiteral("PL") + Account1));
    QString withLetter = Account1;
    withLetter[10] = u'O';
    EXPECT_FALSE(IsValidAccount(withLetter));
    // A tab is neither a digit nor a separator.
    EXPECT_FALSE(IsValidAccount(Account1.left(2) + u'\t' + Account1.mid(2)));
}

TEST(Account, EverySingleDigitChangeIsInvalid)
{
    for (qsizetype i = 0; i < Account1.size(); ++i) {
        QString changed = Account1;
        changed[i] = QChar(u'0' + (Account1.at(i).unicode() - u'0' + 1) % 10);
        EXPECT_FALSE(IsValidAccount(changed)) << changed.toStdString();
    }
}

TEST(Account, SwappedCheckDigitsAreInvalid)
{
    EXPECT_FALSE(IsValidAccount(QStringLiteral("16") + Account1.mid(2)));
}

TEST(Nip, ChecksumOnBareDigits)
{
    EXPECT_TRUE(NipChecksumOk(QStringLiteral("1111111111")));
    EXPECT_FALSE(NipChecksumOk(QStringLiteral("1111111112")));
    EXPECT_FALSE(NipChecksumOk(QStringLiteral("111111111")));
    EXPECT_FALSE(NipChecksumOk(QStringLiteral("11111111111")));
    EXPECT_FALSE(NipChecksumOk(QStringLiteral("111111111a")));
}

TEST(Nip, ThirteenCharactersWithThreeSeparators)
{
    EXPECT_TRUE(IsValidNip(QStringLiteral("111-111-11-11")));
    EXPECT_TRUE(IsValidNip(QStringLiteral("111 11 11 111")));
    // The separators may stand anywhere, even together.
    EXPECT_TRUE(IsValidNip(QStringLiteral("1111111111---")));
    EXPECT_TRUE(IsValidNip(QStringLiteral("_ -1111111111")));
}

TEST(Nip, TenBareDigitsAreInvalid)
{
    EXPECT_FALSE(IsValidNip(QStringLiteral("1111111111")));
}

TEST(Nip, OuterSpacesAndControlsAreTrimmedFirst)
{
    EXPECT_TRUE(IsValidNip(QStringLiteral("  111-111-11-11\r\n")));
    EXPECT_FALSE(IsValidNip(QStringLiteral(" 1111111111 ")));
}

TEST(Nip, WrongCharactersOrDigitCountAreInvalid)
{
    EXPECT_FALSE(IsValidNip(QStringLiteral("111.111.11.11")));
    EXPECT_FALSE(IsValidNip(QStringLiteral("111-111-11-1-")));    // nine digits
    EXPECT_FALSE(IsValidNip(QStringLiteral("111-111-11111")));    // eleven digits
    EXPECT_FALSE(IsValidNip(QStringLiteral("111-111-11-111")));   // fourteen characters
    EXPECT_FALSE(IsValidNip(QStringLiteral("111-111-11-12")));    // wrong check digit
}

TEST(Nip, TaxOfficeCodeAndRemainderTenAsTheMinistryDefinesThem)
{
    // Every row but the remainder-ten ones has its correct check digit.
    struct Case {
        const char *nip;
        bool valid;
        const char *why;
    };
    const Case cases[] = {
        {"701-123-45-67", true, "a Warsaw office opened since 2004"},
        {"106-000-01-22", true, "the Malopolski office: a 0 second"},
        {"120-456-78-90", true, "a 0 third"},
        {"103-456-78-90", true, "a 0 second, the third not"},
        {"023-456-78-94", false, "a 0 first"},
        {"-0234567894--", false, "the first digit counts, not the first character"},
        {"100-456-78-91", false, "second and third both 0"},
        {"123-456-78-90", false, "remainder 10 is never issued, not a check digit 0"},
        {"123-456-78-91", false, "remainder 10 with any digit"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(IsValidNip(QString::fromUtf8(c.nip)), c.valid) << c.nip << ": " << c.why;
    EXPECT_FALSE(NipChecksumOk(QStringLiteral("1234567890")));
}

TEST(Regon, NineDigits)
{
    EXPECT_TRUE(RegonChecksumOk(QStringLiteral("123456785")));
    EXPECT_TRUE(IsValidRegon(QStringLiteral("123456785")));
    EXPECT_FALSE(IsValidRegon(QStringLiteral("123456786")));
    // A leading zero is allowed in a REGON.
    EXPECT_TRUE(IsValidRegon(QStringLiteral("012345675")));
}

TEST(Regon, RemainderTenCountsAsZero)
{
    EXPECT_TRUE(IsValidRegon(QStringLiteral("100000050")));
}

TEST(Regon, FourteenCharactersWithUncheckedTail)
{
    EXPECT_TRUE(IsValidRegon(QStringLiteral("12345678500000")));
    EXPECT_TRUE(IsValidRegon(QStringLiteral("123456785ABCD!")));
    EXPECT_FALSE(IsValidRegon(QStringLiteral("123456786ABCD!")));
}

TEST(Regon, OtherLengthsAndNonDigitsAreInvalid)
{
    EXPECT_FALSE(IsValidRegon(QStringLiteral("12345678")));
    EXPECT_FALSE(IsValidRegon(QStringLiteral("1234567850")));
    EXPECT_FALSE(IsValidRegon(QStringLiteral("123456785000000")));
    EXPECT_FALSE(IsValidRegon(QStringLiteral("1234-5678")));
    EXPECT_FALSE(IsValidRegon(QStringLiteral("12345678-00000")));
}

TEST(Regon, OuterSpacesAreTrimmed)
{
    EXPECT_TRUE(IsValidRegon(QStringLiteral(" 123456785 ")));
}

TEST(Pesel, ValidNumbers)
{
    EXPECT_TRUE(IsValidPesel(QStringLiteral("44051401359")));
    EXPECT_TRUE(IsValidPesel(QStringLiteral("02223101236")));   // 2002: month + 20
    EXPECT_TRUE(IsValidPesel(QStringLiteral("99123101233")));
}

TEST(Pesel, DayIsNotComparedWithTheMonth)
{
    EXPECT_TRUE(PeselChecksumOk(QStringLiteral("85023101233")));
    EXPECT_TRUE(IsValidPesel(QStringLiteral("85023101233")));   // 31 February
}

TEST(Pesel, SurroundingSpaceMakesItInvalid)
{
    EXPECT_FALSE(IsValidPesel(QStringLiteral(" 44051401359")));
    EXPECT_FALSE(IsValidPesel(QStringLiteral("44051401359 ")));
}

TEST(Pesel, MonthAndDayRanges)
{
    // Correct check digits, impossible dates.
    EXPECT_TRUE(PeselChecksumOk(QStringLiteral("85130101230")));
    EXPECT_FALSE(IsValidPesel(QStringLiteral("85130101230")));   // month 13
    EXPECT_TRUE(PeselChecksumOk(QStringLiteral("85020001239")));
    EXPECT_FALSE(IsValidPesel(QStringLiteral("85020001239")));   // day 00

    auto withMonthAndDay = [](int month, int day) {
        QString digits = QStringLiteral("85") + QString::number(month).rightJustified(2, u'0')
                         + QString::number(day).rightJustified(2, u'0') + QStringLiteral("0123");
        static constexpr int Weights[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
        int sum = 0;
        for (int i = 0; i < 10; ++i)
            sum += Weights[i] * (digits.at(i).unicode() - u'0');
        return digits + QString::number((10 - sum % 10) % 10);
    };
    for (int month = 0; month <= 99; ++month) {
        const bool expected = month % 20 >= 1 && month % 20 <= 12;
        EXPECT_EQ(IsValidPesel(withMonthAndDay(month, 15)), expected) << "month " << month;
    }
    EXPECT_TRUE(IsValidPesel(withMonthAndDay(1, 31)));
    EXPECT_FALSE(IsValidPesel(withMonthAndDay(1, 32)));
}

TEST(Pesel, WrongCheckDigitOrCharactersAreInvalid)
{
    EXPECT_FALSE(IsValidPesel(QStringLiteral("44051401358")));
    EXPECT_FALSE(IsValidPesel(QStringLiteral("4405140135")));
    EXPECT_FALSE(IsValidPesel(QStringLiteral("4405-401359")));
    EXPECT_FALSE(PeselChecksumOk(QStringLiteral("4405140135")));
}
