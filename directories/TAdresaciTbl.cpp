#include "TAdresaciTbl.h"

#include "FDM.h"
#include "TAdresatFrm.h"

TAdresaciTbl::TAdresaciTbl(QWidget *parent)
    : DirectoryList({"TAdresaciTbl", QStringLiteral("Kontrahenci"), &DM->Adresaci, QStringLiteral("ADRESATID"),
                     "AdresatGrid",
                     {
                         {QStringLiteral("NAZWA"), QStringLiteral("Nazwa kontrahenta"), 200, {}},
                         {QStringLiteral("NIP"), QStringLiteral("NIP"), 110, {}},
                         {QStringLiteral("TELEFON"), QStringLiteral("Telefon"), 110, {}},
                         {QStringLiteral("EMAIL"), QStringLiteral("E-mail"), 160, {}},
                     },
                     QStringLiteral("Nazwa kontrahenta"), QStringLiteral("Usunąć bieżącą pozycję z wykazu?"),
                     [](QWidget *parent) { return std::make_unique<TAdresatFrm>(parent); }, true,
                     [](qint32 id) { DM->ReopenContractors(id); }, {},
                     [](qint32 id) { DM->ReopenContractors(id); }},
                    parent)
{
}
