#pragma once

#include <QString>

// The number KSeF gives an accepted invoice: the seller's NIP, the day of acceptance,
// twelve upper-case hexadecimal digits (older numbers part them with one more dash) and
// a CRC-8 of everything before it. Never raises on any input.
bool IsValidKsefNumber(const QString &text);

// The NIP the number begins with; empty when the number is not valid.
QString KsefNumberNip(const QString &number);
