#include "TAdresaciTbl.h"

#include "FDM.h"
#include "TAdresatFrm.h"

TAdresaciTbl::TAdresaciTbl(QWidget *parent)
    : DirectoryList({.objectName = "TAdresaciTbl",
                     .caption = QStringLiteral("Kontrahenci"),
                     .dataset = &DM->Adresaci,
                     .keyField = QStringLiteral("ADRESATID"),
                     .gridName = "AdresatGrid",
                     .columns = {{.field = QStringLiteral("NAZWA"), .title = QStringLiteral("Nazwa kontrahenta"), .width = 200},
                                 {.field = QStringLiteral("NIP"), .title = QStringLiteral("NIP"), .width = 110},
                                 {.field = QStringLiteral("TELEFON"), .title = QStringLiteral("Telefon"), .width = 110},
                                 {.field = QStringLiteral("EMAIL"), .title = QStringLiteral("E-mail"), .width = 160}},
                     .searchCaption = QStringLiteral("Nazwa kontrahenta"),
                     .deleteQuestion = QStringLiteral("Usunąć bieżącą pozycję z wykazu?"),
                     .editor = [](QWidget *parent) { return std::make_unique<TAdresatFrm>(parent); },
                     .doubleClickEdits = true,
                     .afterDelete = [](qint32 id) { DM->ReopenContractors(id); }},
                    parent)
{
}
