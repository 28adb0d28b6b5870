#include "TaxPeriod.h"

#include "TextChars.h"

using TextChars::digitValue;
using TextChars::isDigit;

namespace {

// Positions are 1-based as the code is described; a position past the end is absent.
QChar at(const QString &code, qsizetype position)
{
    return position <= code.size() ? code.at(position - 1) : QChar();
}

bool onlyBlanks(const QString &text)
{
    for (const QChar c : text)
        if (c != u' ')
            return false;
    return true;
}

// Positions 4-5 hold a two-digit number from 1 to `highest`; 6-7 are blank or absent.
bool numberedPeriodOk(const QString &code, int highest)
{
    if (!isDigit(at(code, 4)) || !isDigit(at(code, 5)))
        return false;
    const int number = digitValue(at(code, 4)) * 10 + digitValue(at(code, 5));
    return number >= 1 && number <= highest && onlyBlanks(code.mid(5, 2));
}

}

bool IsTaxPeriodValid(const QString &code)
{
    if (code.isEmpty())
        return true;
    if (code.size() < 3 || !isDigit(at(code, 1)) || !isDigit(at(code, 2)))
        return false;
    // Characters after the seventh are not part of the code and are not examined.
    switch (at(code, 3).unicode()) {
    case u'R': return onlyBlanks(code.mid(3, 4));
    case u'P': return numberedPeriodOk(code, 2);
    case u'K': return numberedPeriodOk(code, 4);
    case u'M': return numberedPeriodOk(code, 12);
    case u'D':
    case u'J': return true;
    default: return false;
    }
}

QString PreviousMonthPeriod(const QDate &today)
{
    if (!today.isValid())
        return QString();
    const bool january = today.month() == 1;
    // Wider than the date's own year: the earliest year a date holds has no int before it
    // and no int magnitude.
    const qint64 year = january ? qint64(today.year()) - 1 : today.year();
    const int month = january ? 12 : today.month() - 1;
    return QString::number(qAbs(year) % 100).rightJustified(2, u'0') + u'M'
           + QString::number(month).rightJustified(2, u'0');
}
