#include "Globals.h"
#include "TaxMicroAccount.h"

#include <gtest/gtest.h>

namespace {

struct MicroAccountRow
{
    const char *what;
    char16_t type;
    const char16_t *identifier;
    const char *expected;
};

// Expected accounts were composed by hand from the layout and their check digits computed
// separately; every non-empty one must also pass the account check the fields make.
const MicroAccountRow Rows[] = {
    {.what = "NIP as digits", .type = u'N', .identifier = u"1234563218", .expected = "88101000712222123456321800"},
    {.what = "NIP with hyphens", .type = u'N', .identifier = u"123-456-32-18", .expected = "88101000712222123456321800"},
    {.what = "NIP grouped otherwise", .type = u'N', .identifier = u"123 45 63 218", .expected = "88101000712222123456321800"},
    {.what = "another NIP", .type = u'N', .identifier = u"526-025-02-74", .expected = "49101000712222526025027400"},
    {.what = "NIP with a wrong check digit", .type = u'N', .identifier = u"1234563219", .expected = ""},
    {.what = "NIP one digit short", .type = u'N', .identifier = u"123456321", .expected = ""},
    {.what = "NIP with a letter", .type = u'N', .identifier = u"12345632l8", .expected = ""},
    {.what = "NIP with a zero in the office code", .type = u'N', .identifier = u"1034563211", .expected = ""},
    {.what = "blank NIP", .type = u'N', .identifier = u" - ", .expected = ""},
    {.what = "PESEL as digits", .type = u'P', .identifier = u"44051401359", .expected = "27101000712221440514013590"},
    {.what = "PESEL with spaces", .type = u'P', .identifier = u"440514 01359", .expected = "27101000712221440514013590"},
    {.what = "PESEL with a wrong check digit", .type = u'P', .identifier = u"44051401358", .expected = ""},
    {.what = "PESEL with month 13", .type = u'P', .identifier = u"44131401359", .expected = ""},
    {.what = "NIP given as a PESEL", .type = u'P', .identifier = u"1234563218", .expected = ""},
    {.what = "PESEL given as a NIP", .type = u'N', .identifier = u"44051401359", .expected = ""},
    {.what = "REGON", .type = u'R', .identifier = u"123456785", .expected = ""},
    {.what = "valid NIP under the type REGON", .type = u'R', .identifier = u"1234563218", .expected = ""},
    {.what = "identity card", .type = u'1', .identifier = u"ABC123456", .expected = ""},
    {.what = "passport", .type = u'2', .identifier = u"44051401359", .expected = ""},
    {.what = "lower-case n", .type = u'n', .identifier = u"1234563218", .expected = ""},
};

}

TEST(TaxMicroAccount, ComposedFromAValidIdentifierOnly)
{
    for (const MicroAccountRow &row : Rows) {
        const QString account = TaxMicroAccount(QChar(row.type), QString::fromUtf16(row.identifier));
        EXPECT_EQ(account.toStdString(), row.expected) << row.what;
        if (!account.isEmpty()) {
            EXPECT_TRUE(IsValidAccount(account)) << row.what;
        }
    }
}
