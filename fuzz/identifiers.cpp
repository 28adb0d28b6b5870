// The identifier checks (NRB account, NIP, REGON, PESEL) on any typed or stored text:
// a blank field passes every check, an account number is checked against the IBAN
// rule computed another way, and a number that passes keeps passing when written in the
// form the program writes it, but fails after any one-digit typing error the check
// digits are meant to catch.
#include "FuzzCheck.h"
#include "Globals.h"
#include "TextChars.h"

namespace {

bool asciiDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QString withDigitChanged(const QString &digits, qsizetype at, int by)
{
    QString changed = digits;
    changed[at] = QChar(u'0' + (digits.at(at).unicode() - u'0' + by) % 10);
    return changed;
}

// The IBAN rule on the whole number at once: BBAN, "PL" as 2521, the check digits, as
// one 30-digit number (it fits 128 bits) whose remainder modulo 97 is 1.
bool ibanRemainderIsOne(const QString &digits)
{
    unsigned __int128 number = 0;
    for (const QChar c : digits.mid(2) + QStringLiteral("2521") + digits.left(2))
        number = number * 10 + (c.unicode() - u'0');
    return number % 97 == 1;
}

void checkAccount(const QString &text)
{
    const bool valid = IsValidAccount(text);
    const QString kept = StripSeparators(text);
    if (kept.isEmpty())
        return;
    FUZZ_EXPECT(valid == (kept.size() == 26 && asciiDigits(kept) && ibanRemainderIsOne(kept)), text);
    if (!valid)
        return;
    FUZZ_EXPECT(DigitsOnly(FormatAccount(kept)) == kept && IsValidAccount(FormatAccount(kept)), text);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        for (int by = 1; by <= 9; ++by)
            FUZZ_EXPECT(!IsValidAccount(withDigitChanged(kept, i, by)), withDigitChanged(kept, i, by));
        if (i + 1 < kept.size() && kept.at(i) != kept.at(i + 1)) {
            QString swapped = kept;
            std::swap(swapped[i], swapped[i + 1]);
            FUZZ_EXPECT(!IsValidAccount(swapped), swapped);
        }
    }
}

void checkNip(const QString &text)
{
    if (!IsValidNip(text) || IsBlankIdentifier(TextChars::trimControls(text)))
        return;
    const QString digits = DigitsOnly(text);
    FUZZ_EXPECT(digits.size() == 10 && NipChecksumOk(digits), text);
    // As the program writes it, and as it may arrive with line ends or padding around it.
    const QString written = digits.left(3) + u'-' + digits.mid(3, 3) + u'-' + digits.mid(6, 2) + u'-' + digits.mid(8);
    FUZZ_EXPECT(IsValidNip(written), written);
    FUZZ_EXPECT(IsValidNip(u' ' + text + QStringLiteral("\r\n")), text);
}

void checkRegon(const QString &text)
{
    const QString trimmed = TextChars::trimControls(text);
    if (!IsValidRegon(text) || IsBlankIdentifier(trimmed))
        return;
    const QString head = trimmed.left(9);
    FUZZ_EXPECT(asciiDigits(head) && RegonChecksumOk(head), text);
    FUZZ_EXPECT(IsValidRegon(head) && IsValidRegon(head + QStringLiteral("00000")), head);
}

void checkPesel(const QString &text)
{
    if (!IsValidPesel(text) || IsBlankIdentifier(text))
        return;
    FUZZ_EXPECT(text.size() == 11 && asciiDigits(text), text);
    // The weights 1, 3, 7, 9 are prime to 10: every one-digit error changes the check.
    for (qsizetype i = 0; i < text.size(); ++i)
        for (int by = 1; by <= 9; ++by)
            FUZZ_EXPECT(!PeselChecksumOk(withDigitChanged(text, i, by)), withDigitChanged(text, i, by));
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::utf8Text(data, size);
    if (IsBlankIdentifier(text))
        FUZZ_EXPECT(IsValidAccount(text) && IsValidNip(text) && IsValidRegon(text) && IsValidPesel(text), text);
    checkAccount(text);
    checkNip(text);
    checkRegon(text);
    checkPesel(text);
    return 0;
}
