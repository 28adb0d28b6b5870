#include "Globals.h"

#include <array>

QString FormatAccount(const QString &text)
{
    // Input positions of the check digits and the six groups, and where each lands
    // in the NN NNNN NNNN NNNN NNNN NNNN NNNN notation (0-based).
    struct Group
    {
        qsizetype from, length, to;
    };
    static constexpr std::array<Group, 7> Groups = {{
        {0, 2, 0}, {2, 4, 3}, {6, 4, 8}, {10, 4, 13}, {14, 4, 18}, {18, 4, 23}, {22, 4, 28},
    }};
    const QString padded = text.leftJustified(32, u' ');
    QString result(32, u' ');
    for (const Group &g : Groups)
        for (qsizetype i = 0; i < g.length; ++i)
            result[g.to + i] = padded.at(g.from + i);
    return result;
}

QString GroupedAccount(const QString &account)
{
    return FormatAccount(DigitsOnly(account));
}

QString FormatLengthCounter(int used, int maximum)
{
    return QString::number(used) + QStringLiteral(" [") + QString::number(maximum) + QStringLiteral("] ");
}

QString SqlDateLiteral(const QDate &date)
{
    static const std::array<QString, 12> Months = {
        QStringLiteral("JAN"), QStringLiteral("FEB"), QStringLiteral("MAR"), QStringLiteral("APR"),
        QStringLiteral("MAY"), QStringLiteral("JUN"), QStringLiteral("JUL"), QStringLiteral("AUG"),
        QStringLiteral("SEP"), QStringLiteral("OCT"), QStringLiteral("NOV"), QStringLiteral("DEC")};
    // A date that cannot be written in this form (invalid, or its year not of four digits)
    // gives an empty text, which makes the caller's query fail visibly instead of comparing
    // with some made-up day.
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QString();
    return u'\'' + QString::number(date.day()).rightJustified(2, u'0') + u'-'
           + Months[std::size_t(date.month() - 1)] + u'-'
           + QString::number(date.year()).rightJustified(4, u'0') + u'\'';
}
