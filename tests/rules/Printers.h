#pragma once

#include "Money.h"

#include <QString>
#include <ostream>

// Readable failure messages for the values these tests compare.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const Money &amount, std::ostream *os)
{
    *os << amount.toPlainString(4).toStdString();
}
