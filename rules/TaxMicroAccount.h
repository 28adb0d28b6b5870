#pragma once

#include <QChar>
#include <QString>

// The taxpayer's own account for PIT, CIT and VAT ("mikrorachunek podatkowy"): 26 digits,
// the NRB check digits, the tax office's settlement prefix 10100071 222, then "2" and the
// NIP followed by "00", or "1" and the PESEL followed by "0". Type "N" takes a NIP, "P" a
// PESEL, with separators ignored; any other type, or an identifier that fails its check,
// gives an empty string.
QString TaxMicroAccount(QChar identifierType, const QString &identifier);
