#pragma once

#include "Money.h"

#include <QString>

// Texts of the interest calculator after the user's regional settings (QLocale()).
// Thousands are grouped as soon as the whole part has four digits, as desktop
// settings do ("1 026,35 zł"), although Qt's own data for some locales, Polish among
// them, groups only from five digits on.

// A money value with the currency's number of decimals (rounded half up), the
// decimal mark, the group separator, and the currency symbol on its side.
QString RegionalMoney(Money value);

// A rate in per cent with two decimals, a blank and a per-cent sign: "13,00 %".
QString RegionalRate(Money rate);
