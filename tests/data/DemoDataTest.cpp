#include "DemoData.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "Globals.h"
#include "MessageRecorder.h"

#include <gtest/gtest.h>

// A new user's first look at the program is the demo database: an order opened from it
// must not turn red or warn on saving, so every number in it passes its own check.
TEST(DemoData, EveryAccountAndIdentifierPassesItsCheck)
{
    FreshDatabase db;
    MessageRecorder messages;
    AddDemoData(db.path());
    TDM dm;
    ASSERT_TRUE(dm.ConnectDatabase());

    using Check = bool (*)(const QString &);
    const struct {
        const char *table, *column;
        Check passes;
        const char *what;
    } rows[] = {
        {"ADRESACI", "KONTO", IsValidAccount, "account"},
        {"URZEDY", "KONTOPIT", IsValidAccount, "account"},
        {"URZEDY", "KONTOCIT", IsValidAccount, "account"},
        {"URZEDY", "KONTOVAT", IsValidAccount, "account"},
        {"URZEDY", "KONTOPCC", IsValidAccount, "account"},
        {"URZEDY", "KONTOBUD", IsValidAccount, "account"},
        {"ZWYKLE", "KONTO_ODB", IsValidAccount, "account"},
        {"ZWYKLE", "KONTO_NAD", IsValidAccount, "account"},
        {"PODATKOWE", "KONTO_ODB", IsValidAccount, "account"},
        {"PODATKOWE", "KONTO_NAD", IsValidAccount, "account"},
        {"ZUS", "KONTO_NAD", IsValidAccount, "account"},
        {"ADRESACI", "NIP", IsValidNip, "NIP"},
        {"ADRESACI", "REGON", IsValidRegon, "REGON"},
        {"ADRESACI", "PESEL", IsValidPesel, "PESEL"},
        {"PODATKOWE", "IDENTYF", IsValidNip, "NIP (the demo's identifier type)"},
        {"ZUS", "NIP_NAD", IsValidNip, "NIP"},
        {"ZUS", "IDENT_UZUP", IsValidRegon, "REGON (the demo's second identifier type)"},
    };
    int checked = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.table) + '.' + row.column);
        dm.OpenQuery(QStringLiteral("select %1 from %2").arg(QLatin1String(row.column), QLatin1String(row.table)));
        dm.q.fetchAll();
        for (int i = 0; i < dm.q.fetchedCount(); ++i) {
            const QString number = dm.q.valueAt(i, 0).toString();
            EXPECT_TRUE(row.passes(number)) << row.what << " " << number.toStdString();
            checked += number.isEmpty() ? 0 : 1;
        }
    }
    EXPECT_GE(checked, 20) << "the demo holds the numbers it is meant to";
}
