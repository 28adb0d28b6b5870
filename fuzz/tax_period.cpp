// The tax period code against its rules written as one pattern, and the code the
// program proposes for any date.
#include "FuzzCheck.h"
#include "TaxPeriod.h"

#include <QRegularExpression>
#include <cstring>

namespace {

// Two digits of the year, the kind, its number, blanks to the seventh character; what
// follows the seventh is not part of the code.
bool followsTheRules(const QString &code)
{
    static const QRegularExpression Rules(
        QStringLiteral("\\A[0-9]{2}(R {0,4}|P0[12] {0,2}|K0[1-4] {0,2}|M(0[1-9]|1[0-2]) {0,2}|[DJ].*)\\z"),
        QRegularExpression::DotMatchesEverythingOption);
    // The code is checked by UTF-16 units, and the seventh may be half of a pair, which
    // the pattern would refuse as broken text: no half of a pair is a digit or a blank.
    QString head = code.left(7);
    for (QChar &unit : head) {
        if (unit.isSurrogate())
            unit = QChar::ReplacementCharacter;
    }
    return code.isEmpty() || Rules.match(head).hasMatch();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString code = fuzz::utf8Text(data, size);
    const bool valid = IsTaxPeriodValid(code);
    FUZZ_EXPECT(valid == followsTheRules(code), code);
    // A code of the seven characters' field may be padded with blanks to their end.
    if (valid && !code.isEmpty() && code.size() < 7)
        FUZZ_EXPECT(IsTaxPeriodValid(code.leftJustified(7, u' ')), code);

    if (size >= sizeof(std::int64_t)) {
        std::int64_t day = 0;
        std::memcpy(&day, data, sizeof day);
        const QDate date = QDate::fromJulianDay(day);
        const QString proposed = PreviousMonthPeriod(date);
        FUZZ_EXPECT(date.isValid() ? proposed.size() == 5 && IsTaxPeriodValid(proposed) : proposed.isEmpty(),
                    date.toString(Qt::ISODate) + u' ' + proposed);
    }
    return 0;
}
