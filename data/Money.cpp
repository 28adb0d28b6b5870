#include "Money.h"

#include <QString>
#include <limits>

bool Money::parse(const QString &text, Money &out)
{
    bool negative = false;
    bool seenDigit = false;
    bool inFraction = false;
    int fractionDigits = 0;
    std::int64_t units = 0;
    std::int64_t fraction = 0;
    int index = 0;
    for (const QChar c : text) {
        if (c == u' ' || c == QChar(0x00A0))
            continue;
        if (c == u'-' && index == 0 && !negative) {
            negative = true;
            continue;
        }
        ++index;
        if (c == u',' || c == u'.') {
            if (inFraction)
                return false;
            inFraction = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return false;
        const int digit = c.unicode() - u'0';
        seenDigit = true;
        if (inFraction) {
            if (++fractionDigits > 4)
                return false;
            fraction = fraction * 10 + digit;
        } else {
            if (units > (std::numeric_limits<std::int64_t>::max() / Scale - digit) / 10)
                return false;
            units = units * 10 + digit;
        }
    }
    if (!seenDigit)
        return false;
    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    // The whole units fit; with the fraction the largest of them may not. The sign goes
    // on first, so that the most negative amount, one beyond the largest, is read too.
    const std::int64_t whole = negative ? -(units * Scale) : units * Scale;
    std::int64_t raw = 0;
    if (negative ? __builtin_sub_overflow(whole, fraction, &raw) : __builtin_add_overflow(whole, fraction, &raw))
        return false;
    out = fromRaw(raw);
    return true;
}

QString Money::toPlainString(int decimals) const
{
    decimals = qBound(0, decimals, 4);
    const bool negative = raw_ < 0;
    // Work on the unsigned magnitude so that the most negative value does not overflow.
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(raw_)
                                             : static_cast<std::uint64_t>(raw_);
    QString text = QString::number(magnitude / Scale);
    if (decimals > 0) {
        QString fraction = QString::number(magnitude % Scale).rightJustified(4, u'0');
        text += u'.' + fraction.left(decimals);
    }
    return negative ? u'-' + text : text;
}
