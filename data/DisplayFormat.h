#pragma once

#include <QString>
#include <QVariant>

// The display formats of the lists: "# ##0.00" (two decimals, a comma, and one space
// between the thousands and the hundreds digit only: 1234567.5 -> "1234 567,50") and
// "##0.00 %" (13 -> "13,00 %"). Any other format, or a non-numeric value, is shown as
// plain text; NULL as nothing, and a value that could not be read as "nieczytelna: "
// and the value as stored.
QString FormatDisplay(const QVariant &value, const QString &format);
