#pragma once

#include <QDate>
#include <QString>

// The tax period code of a tax transfer: two digits of the year, the kind
// (R year, P half-year, K quarter, M month, D decade, J day) and up to four
// characters of the period number, e.g. "05M11". Empty means no period.

// True for the empty code and for a code that follows the rules of its kind.
bool IsTaxPeriodValid(const QString &code);

// The month before the one of `today`, e.g. 15 March 2005 -> "05M02",
// 10 January 2005 -> "04M12". Empty for an invalid date.
QString PreviousMonthPeriod(const QDate &today);
