// Money::parse against its contract, and every way the program writes an amount read
// back by it.
#include "DisplayFormat.h"
#include "FuzzCheck.h"
#include "Money.h"

#include <QRegularExpression>
#include <cstring>
#include <limits>
#include <optional>

namespace {

using Int128 = __int128;

// The parser's contract computed another way: blanks (also no-break spaces) dropped, an
// optional leading minus, digits with at most one decimal mark (comma or point) and at
// most four decimals after it, at least one digit, and a value that a Money holds.
std::optional<std::int64_t> contractRaw(const QString &text)
{
    QString compact = text;
    compact.remove(u' ').remove(QChar(0x00A0));
    static const QRegularExpression Shape(QStringLiteral("\\A(-?)([0-9]*)(?:[.,]([0-9]{0,4}))?\\z"));
    const QRegularExpressionMatch match = Shape.match(compact);
    const QString units = match.captured(2);
    const QString decimals = match.captured(3);
    if (!match.hasMatch() || (units.isEmpty() && decimals.isEmpty()))
        return std::nullopt;
    const bool negative = !match.captured(1).isEmpty();
    const Int128 lowest = std::numeric_limits<std::int64_t>::min();
    const Int128 highest = std::numeric_limits<std::int64_t>::max();
    Int128 raw = 0;
    for (const QChar c : units) {
        raw = raw * 10 + (c.unicode() - u'0');
        if (raw * Money::Scale > -lowest)
            return std::nullopt;
    }
    Int128 fraction = 0;
    for (qsizetype i = 0; i < 4; ++i)
        fraction = fraction * 10 + (i < decimals.size() ? decimals.at(i).unicode() - u'0' : 0);
    raw = raw * Money::Scale + fraction;
    if (negative)
        raw = -raw;
    if (raw < lowest || raw > highest)
        return std::nullopt;
    return std::int64_t(raw);
}

Money parsed(const QString &text)
{
    Money value = Money::fromRaw(1); // never the expected value of the texts parsed here
    FUZZ_EXPECT(Money::parse(text, value), text);
    return value;
}

// Whatever the program writes of an amount parses back to that amount, cut or rounded
// as the writer promises.
void writtenAmountsReadBack(Money amount)
{
    const std::int64_t raw = amount.raw();
    for (int decimals = 0; decimals <= 4; ++decimals) {
        std::int64_t step = 1;
        for (int i = decimals; i < 4; ++i)
            step *= 10;
        const QString plain = amount.toPlainString(decimals);
        FUZZ_EXPECT(parsed(plain).raw() == raw / step * step, plain); // truncated toward zero
    }
    // The lists' "# ##0.00": hundredths, rounded half away from zero.
    const QString shown = FormatDisplay(QVariant::fromValue(amount), QStringLiteral("# ##0.00"));
    const Int128 magnitude = raw < 0 ? -Int128(raw) : Int128(raw);
    const Int128 rounded = (magnitude + 50) / 100 * 100;
    FUZZ_EXPECT(Int128(parsed(shown).raw()) == (raw < 0 ? -rounded : rounded), shown);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::utf8Text(data, size);
    Money value;
    const bool ok = Money::parse(text, value);
    const std::optional<std::int64_t> expected = contractRaw(text);
    FUZZ_EXPECT(ok == expected.has_value(), text);
    if (ok) {
        FUZZ_EXPECT(value.raw() == *expected, text);
        writtenAmountsReadBack(value);
    }
    // The same bytes as a raw value reach amounts no typed text would produce (an amount
    // read from the database can be any of them).
    if (size >= sizeof(std::int64_t)) {
        std::int64_t raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        writtenAmountsReadBack(Money::fromRaw(raw));
    }
    return 0;
}
