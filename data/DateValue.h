#pragma once

#include <QDate>

// An empty date field is stored as the zero date, 30 December 1899, and any date
// not after it reads as "no date".
namespace DateValue {

inline QDate zeroDate() { return QDate(1899, 12, 30); }
inline bool isSet(const QDate &date) { return date.isValid() && date > zeroDate(); }

}
