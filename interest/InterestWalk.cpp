#include "InterestWalk.h"

#include "FbError.h"
#include "Globals.h"

#include <algorithm>
#include <limits>

namespace {

using Int128 = __int128;
using UInt128 = unsigned __int128;

// N x amount x rate / 36500 on the raw values (amount and rate both times 10 000) gives
// the interest times 10 000 after one more division by 10 000.
constexpr UInt128 Divisor = UInt128(36500) * Money::Scale;

FbError outOfRange()
{
    return FbError(QStringLiteral("Kwota odsetek przekracza zakres obsługiwanych kwot."));
}

// Days, amount and rate of realistic size already overflow 64 bits in their product,
// so the exact quotient is taken in 128 bits and only its rounded result must fit.
Money periodInterest(qint64 days, Money amount, Money rate)
{
    Int128 product = 0;
    if (__builtin_mul_overflow(Int128(days), Int128(amount.raw()), &product)
        || __builtin_mul_overflow(product, Int128(rate.raw()), &product))
        throw outOfRange();
    const bool negative = product < 0;
    const UInt128 magnitude = negative ? UInt128(0) - UInt128(product) : UInt128(product);
    UInt128 quotient = magnitude / Divisor;
    const UInt128 twiceRemainder = (magnitude % Divisor) * 2;
    if (twiceRemainder > Divisor || (twiceRemainder == Divisor && (quotient & 1) != 0))
        ++quotient;
    if (quotient > UInt128(std::numeric_limits<qint64>::max()))
        throw outOfRange();
    const qint64 raw = negative ? -qint64(quotient) : qint64(quotient);
    return RoundMoney(2, Money::fromRaw(raw));
}

}

InterestResult ComputeInterest(std::vector<RateEntry> entries, const QDate &firstDay, const QDate &due,
                               const QDate &paid, Money amount)
{
    InterestResult result;
    if (!due.isValid() || !paid.isValid() || paid < due || due < firstDay)
        return result;

    std::erase_if(entries, [&paid](const RateEntry &entry) { return !entry.day.isValid() || entry.day > paid; });
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RateEntry &a, const RateEntry &b) { return a.day > b.day; });

    QDate end = paid;
    const RateEntry *used = nullptr;
    for (const RateEntry &entry : entries) {
        // A second entry on a day already charged would otherwise end the walk and
        // leave every older period uncharged.
        if (used && entry.day == used->day)
            continue;
        const QDate start = std::max(entry.day, due);
        if (used && end < start)
            break;
        used = &entry;

        qint64 days = start.daysTo(end) + 1;
        if (start <= due && due <= end)
            --days;
        const Money interest = periodInterest(days, amount, entry.rate);
        std::int64_t total = 0;
        if (__builtin_add_overflow(result.total.raw(), interest.raw(), &total))
            throw outOfRange();
        result.total = Money::fromRaw(total);
        result.lines.push_back({end, start, days, entry.rate, interest});
        end = start.addDays(-1);
    }
    return result;
}
