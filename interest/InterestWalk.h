#pragma once

#include "Money.h"

#include <QDate>
#include <vector>

// One entry of a rate table: the yearly rate in per cent (13.00 = 13 % a year) that
// applies from its day until the day before the next entry's day.
struct RateEntry
{
    QDate day;
    Money rate;
};

// One period of a calculation: the days from `from` to `to` (the later day is `to`)
// charged at one rate.
struct InterestLine
{
    QDate to;
    QDate from;
    qint64 days = 0;
    Money rate;
    Money interest;
};

struct InterestResult
{
    std::vector<InterestLine> lines;   // newest period first
    Money total;
};

// The interest on `amount`, due on `due` and paid on `paid`, from one rate table whose
// entries may not start before `firstDay`. The time is split wherever the rate
// changes; each period runs back to its entry's day or to the due date, whichever is
// later, and is charged N x amount x rate / 36500 (the due date itself bears none,
// the payment date does), rounded to the ten-thousandth half to even and then to the
// grosz half up, before the periods are added.
//
// `entries` may come in any order; entries after the payment date are ignored. Of
// several entries with the same day the one met first (the earliest in `entries`)
// applies and the others are passed over. A due date before `firstDay`, a payment
// date before the due date or a table with no entry on or before the payment date
// gives no line and 0.
//
// Throws FbError (code 0) when the interest cannot be held as a money value.
InterestResult ComputeInterest(std::vector<RateEntry> entries, const QDate &firstDay, const QDate &due,
                               const QDate &paid, Money amount);
