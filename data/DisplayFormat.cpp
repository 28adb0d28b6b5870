#include "DisplayFormat.h"

#include "Money.h"
#include "UnreadableValue.h"

#include <QDate>
#include <QDateTime>

namespace {

// Two decimals, rounded half away from zero, with the separator as the format asks.
QString twoDecimals(const Money &amount, bool groupThousands)
{
    const std::int64_t raw = amount.raw();
    const bool negative = raw < 0;
    const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t hundredths = (magnitude + 50) / 100;
    QString whole = QString::number(hundredths / 100);
    if (groupThousands && whole.size() > 3)
        whole.insert(whole.size() - 3, u' ');
    const QString text = whole + u',' + QString::number(hundredths % 100).rightJustified(2, u'0');
    return negative && hundredths != 0 ? u'-' + text : text;
}

bool toMoney(const QVariant &value, Money &out)
{
    if (value.metaType() == QMetaType::fromType<Money>()) {
        out = value.value<Money>();
        return true;
    }
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (ok && value.metaType().id() != QMetaType::QString) {
        out = Money::fromZloty(number);
        return true;
    }
    return Money::parse(value.toString(), out);
}

}

QString FormatDisplay(const QVariant &value, const QString &format)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (IsUnreadable(value))
        return QStringLiteral("nieczytelna: ") + value.value<UnreadableValue>().stored;
    Money amount;
    if (format == QLatin1String("# ##0.00") && toMoney(value, amount))
        return twoDecimals(amount, true);
    if (format == QLatin1String("##0.00 %") && toMoney(value, amount))
        return twoDecimals(amount, false) + QStringLiteral(" %");
    if (value.metaType() == QMetaType::fromType<Money>())
        return value.value<Money>().toPlainString();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy"));
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    return value.toString();
}
