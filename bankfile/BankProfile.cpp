#include "BankProfile.h"

const QList<BankProfile> &BankProfile::All()
{
    static const QList<BankProfile> profiles{
        {.Name = QStringLiteral("elixir-71"),
         .Caption = QStringLiteral("Przelew podatkowy z klasyfikacją 71"),
         .TaxClassification = QStringLiteral("71")},
        {.Name = QStringLiteral("elixir-51"),
         .Caption = QStringLiteral("Przelew podatkowy jako zwykły (klasyfikacja 51)"),
         .TaxClassification = QStringLiteral("51")},
    };
    return profiles;
}

const BankProfile &BankProfile::Named(const QString &name)
{
    for (const BankProfile &profile : All())
        if (profile.Name == name)
            return profile;
    return All().first();
}
