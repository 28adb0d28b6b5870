#include "Globals.h"
#include "TextChars.h"

#include <array>

using TextChars::digitValue;
using TextChars::isDigit;
using TextChars::isSeparator;

namespace {

bool allDigits(const QString &text)
{
    for (const QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

// What a weighted sum leaving 10 modulo 11 means: REGON writes it as the check digit 0,
// while no NIP is ever issued with it.
enum class RemainderTen { CountsAsZero, IsInvalid };

// Weighted digit sum modulo 11: the check digit of NIP and REGON.
template <std::size_t N>
bool mod11CheckDigitOk(const QString &digits, const std::array<int, N> &weights, RemainderTen ten)
{
    if (digits.size() != qsizetype(N + 1) || !allDigits(digits))
        return false;
    int sum = 0;
    for (std::size_t i = 0; i < N; ++i)
        sum += weights[i] * digitValue(digits.at(qsizetype(i)));
    if (sum % 11 == 10 && ten == RemainderTen::IsInvalid)
        return false;
    const int check = sum % 11 == 10 ? 0 : sum % 11;
    return check == digitValue(digits.at(qsizetype(N)));
}

int twoDigitNumber(const QString &text, qsizetype at)
{
    return digitValue(text.at(at)) * 10 + digitValue(text.at(at + 1));
}

}

QString StripSeparators(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (!isSeparator(c))
            kept.append(c);
    return kept;
}

QString DigitsOnly(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (isDigit(c))
            kept.append(c);
    return kept;
}

bool IsBlankIdentifier(const QString &text)
{
    return StripSeparators(text).isEmpty();
}

bool IsValidAccount(const QString &text)
{
    if (IsBlankIdentifier(text))
        return true;
    const QString s = StripSeparators(text);
    if (s.size() != 26 || !allDigits(s))
        return false;
    // IBAN test with the country fixed to Poland: BBAN, "PL" as 2521, then the check digits,
    // read as one 30-digit number modulo 97.
    const QString t = s.mid(2) + QStringLiteral("2521") + s.left(2);
    int remainder = 0;
    for (const QChar c : t)
        remainder = (remainder * 10 + digitValue(c)) % 97;
    return remainder == 1;
}

bool IsZusContributionAccount(const QString &account)
{
    const QString digits = StripSeparators(account);
    return digits.size() == 26 && allDigits(digits) && digits.mid(2, 11) == QLatin1String("60000002026");
}

bool NipChecksumOk(const QString &digits)
{
    return mod11CheckDigitOk(digits, std::array<int, 9>{6, 5, 7, 2, 3, 4, 5, 6, 7}, RemainderTen::IsInvalid);
}

bool IsValidNip(const QString &text)
{
    const QString trimmed = TextChars::trimControls(text);
    if (IsBlankIdentifier(trimmed))
        return true;
    // Typed free-hand in thirteen characters: ten digits and exactly three separators.
    if (trimmed.size() != 13)
        return false;
    for (const QChar c : trimmed)
        if (!isDigit(c) && !isSeparator(c))
            return false;
    return NipDigitsOk(DigitsOnly(trimmed));
}

bool NipDigitsOk(const QString &digits)
{
    if (digits.size() != 10 || !allDigits(digits))
        return false;
    // The tax office's code: its first digit is never 0, nor are the next two both 0
    // (offices opened since 2004 have codes such as 701 or 106).
    if (digits.at(0) == u'0' || (digits.at(1) == u'0' && digits.at(2) == u'0'))
        return false;
    return NipChecksumOk(digits);
}

bool RegonChecksumOk(const QString &digits)
{
    return mod11CheckDigitOk(digits, std::array<int, 8>{8, 9, 2, 3, 4, 5, 6, 7}, RemainderTen::CountsAsZero);
}

bool IsValidRegon(const QString &text)
{
    const QString trimmed = TextChars::trimControls(text);
    if (IsBlankIdentifier(trimmed))
        return true;
    if (trimmed.size() != 9 && trimmed.size() != 14)
        return false;
    // The tail of a fourteen-character REGON (the local unit) is deliberately not examined.
    return RegonChecksumOk(trimmed.left(9));
}

bool PeselChecksumOk(const QString &digits)
{
    static constexpr std::array<int, 10> Weights{1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
    if (digits.size() != 11 || !allDigits(digits))
        return false;
    int sum = 0;
    for (qsizetype i = 0; i < 10; ++i)
        sum += Weights[std::size_t(i)] * digitValue(digits.at(i));
    const int check = (10 - sum % 10) % 10;
    return check == digitValue(digits.at(10));
}

bool IsValidPesel(const QString &text)
{
    if (IsBlankIdentifier(text))
        return true;
    if (text.size() != 11 || !allDigits(text))
        return false;
    // The month carries the century as +20, +40, +60 or +80: 1-12, 21-32, 41-52, 61-72, 81-92.
    const int month = twoDigitNumber(text, 2) % 20;
    if (month < 1 || month > 12)
        return false;
    const int day = twoDigitNumber(text, 4);
    if (day < 1 || day > 31)
        return false;
    return PeselChecksumOk(text);
}
