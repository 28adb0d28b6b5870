#include "RegionalFormat.h"

#include <QLocale>

namespace {

// The magnitude with `decimals` decimals (0 to 4), rounded half up, written with the
// locale's marks and grouped from four whole digits on.
QString number(std::uint64_t magnitude, int decimals, const QLocale &locale)
{
    std::uint64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    const std::uint64_t scaled = magnitude / step + (magnitude % step >= step / 2 && step > 1 ? 1 : 0);
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;

    QString whole = QString::number(scaled / unit);
    if (!locale.numberOptions().testFlag(QLocale::OmitGroupSeparator))
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, locale.groupSeparator());
    if (decimals == 0)
        return whole;
    return whole + locale.decimalPoint() + QString::number(scaled % unit).rightJustified(decimals, u'0');
}

std::uint64_t magnitudeOf(Money value)
{
    return value.raw() < 0 ? 0 - static_cast<std::uint64_t>(value.raw()) : static_cast<std::uint64_t>(value.raw());
}

}

QString RegionalMoney(Money value)
{
    const QLocale locale;
    const bool negative = value.raw() < 0;
    // The locale's own text of one unit shows everything but the grouping: where the
    // symbol stands and what separates it, the sign's form, and how many decimals the
    // currency has. The number in it is replaced by the exact value.
    const QString sample = locale.toCurrencyString(negative ? -1.0 : 1.0);
    const qsizetype one = sample.indexOf(u'1');
    if (one < 0)
        return (negative ? locale.negativeSign() : QString()) + number(magnitudeOf(value), 2, locale) + u' '
            + locale.currencySymbol();
    qsizetype end = one + 1;
    int decimals = 0;
    if (sample.mid(end).startsWith(locale.decimalPoint())) {
        end += locale.decimalPoint().size();
        while (end < sample.size() && sample.at(end) == u'0' && decimals < 4) {
            ++end;
            ++decimals;
        }
    }
    return sample.left(one) + number(magnitudeOf(value), decimals, locale) + sample.mid(end);
}

QString RegionalRate(Money rate)
{
    const QLocale locale;
    return (rate.raw() < 0 ? locale.negativeSign() : QString()) + number(magnitudeOf(rate), 2, locale)
        + QStringLiteral(" %");
}
