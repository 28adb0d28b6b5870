#include "KsefNumber.h"

#include <gtest/gtest.h>

TEST(KsefNumber, ValidAndBrokenNumbers)
{
    const struct {
        const char *number;
        bool valid;
    } rows[] = {
        {"5265877635-20250826-0100001AF629-AF", true},
        {"5265877635-20250916-0200A0D6723E-C2", true},
        // The older form: one more dash inside the hexadecimal part, inside the check.
        {"5265877635-20250826-010000-1AF629-53", true},
        {"5265877635-20250826-0100001AF629-AE", false},   // check digits off by one
        {"5265877635-20250826-0100001AF628-AF", false},   // one hexadecimal digit changed
        {"5265877636-20250826-0100001AF629-AF", false},   // the NIP part changed
        {"5265877635-20250826-0100001af629-AF", false},   // lower-case hexadecimal
        {"5265877635-20250826-0100001AF629-af", false},
        {"5265877635-20251326-0100001AF629-AF", false},   // no such month
        {"5265877635-20250826-0100001AF629AF", false},    // 34 characters
        {"5265877635 20250826 0100001AF629 AF", false},   // spaces for dashes
        {"5265877635-20250826-0100001AF629-AF ", false},  // 36 characters without the inner dash
        {"5265877635-20250826--100001AF629-AF", false},   // the inner dash first
        {"5265877635-20250826-01000-1-AF629-AF", false},  // two inner dashes
        {"", false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(IsValidKsefNumber(QString::fromLatin1(row.number)), row.valid) << row.number;
    // A character outside ASCII whose low byte is a digit must not pass as that digit.
    QString wide = QStringLiteral("5265877635-20250826-0100001AF629-AF");
    wide[0] = QChar(0x0135);
    EXPECT_FALSE(IsValidKsefNumber(wide));
}
