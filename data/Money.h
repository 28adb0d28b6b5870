#pragma once

#include <QMetaType>
#include <compare>
#include <cstdint>

// Exact fixed-point money: the value times 10 000 in a signed 64-bit integer.
// Amounts of orders carry two significant decimals; the database holds them
// as NUMERIC(18,2). Never convert through floating point.
class Money
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t raw) { Money m; m.raw_ = raw; return m; }
    static constexpr Money fromGrosze(std::int64_t grosze) { return fromRaw(grosze * 100); }
    static constexpr Money fromZloty(std::int64_t zloty) { return fromRaw(zloty * Scale); }

    // Parses "1234", "1234,5", "-0.07", "1 234,56"; spaces are skipped, comma and point
    // both act as the decimal mark. More than four decimals or any other character fail.
    static bool parse(const QString &text, Money &out);

    constexpr std::int64_t raw() const { return raw_; }
    // Hundredths, truncated toward zero (exact for two-decimal amounts).
    constexpr std::int64_t grosze() const { return raw_ / 100; }

    constexpr auto operator<=>(const Money &) const = default;
    constexpr Money operator+(Money o) const { return fromRaw(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return fromRaw(raw_ - o.raw_); }

    // Plain "1234.50" with as many decimals as asked (0..4), truncating the rest.
    QString toPlainString(int decimals = 2) const;

private:
    std::int64_t raw_ = 0;
};

Q_DECLARE_METATYPE(Money)
