#include "Globals.h"
#include "TextChars.h"

#include <array>
#include <cstdint>
#include <limits>

namespace {

// The forms carry amounts of zero or more; a negative amount is written by its magnitude
// (the sign has no box on any form). Unsigned, so that the most negative value cannot overflow.
std::uint64_t magnitude(Money amount)
{
    const std::int64_t raw = amount.raw();
    return raw < 0 ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
}

constexpr std::uint64_t RawPerGrosz = Money::Scale / 100;

}

QString AmountForBoxes(Money amount)
{
    const std::uint64_t grosze = (magnitude(amount) + RawPerGrosz / 2) / RawPerGrosz;
    QString text = QString::number(grosze / 100) + u','
                   + QString::number(grosze % 100).rightJustified(2, u'0');
    if (text.size() < 12)
        text = text.leftJustified(12, u'-');
    return text;
}

QString DigitAbbreviation(const QString &digit)
{
    static const std::array<QString, 10> Abbreviations = {
        QStringLiteral("ZER"), QStringLiteral("JED"), QStringLiteral("DWA"), QStringLiteral("TRZ"),
        QStringLiteral("CZT"), QStringLiteral("PIĘ"), QStringLiteral("SZE"), QStringLiteral("SIE"),
        QStringLiteral("OSI"), QStringLiteral("DZI")};
    if (digit.size() != 1 || !TextChars::isDigit(digit.at(0)))
        return QString();
    return Abbreviations[std::size_t(TextChars::digitValue(digit.at(0)))];
}

QString AmountInWords(Money amount)
{
    const std::uint64_t raw = magnitude(amount);
    // Whole złoty and grosze are both truncated, straight from the fixed-point value.
    const QString zloty = QString::number(raw / Money::Scale);
    const std::uint64_t grosze = raw / RawPerGrosz % 100;
    QString words;
    for (qsizetype i = 0; i < zloty.size(); ++i)
        words += DigitAbbreviation(zloty.mid(i, 1)) + u'*';
    return words + QString::number(grosze) + QStringLiteral("/100");
}

Money RoundMoney(int mode, Money amount)
{
    std::int64_t step = 0;
    switch (mode) {
    case 0: step = 10000; break;
    case 1: step = 1000; break;
    case 2: step = 100; break;
    default: return amount;
    }
    // "Add half a step, then cut toward zero", done on quotient and remainder so that
    // the addition cannot overflow: only a positive remainder of half a step or more
    // moves the value up; on negative amounts the cut always lands on the quotient.
    const std::int64_t raw = amount.raw();
    const std::int64_t cut = raw / step * step;
    const std::int64_t remainder = raw % step;
    if (remainder >= step / 2 && cut <= std::numeric_limits<std::int64_t>::max() - step)
        return Money::fromRaw(cut + step);
    return Money::fromRaw(cut);
}
