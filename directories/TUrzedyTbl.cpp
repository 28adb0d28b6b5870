#include "TUrzedyTbl.h"

#include "FDM.h"
#include "TUrzedyFrm.h"

TUrzedyTbl::TUrzedyTbl(QWidget *parent)
    : DirectoryList(
          {.objectName = "TUrzedyTbl",
           .caption = QStringLiteral("Organy podatkowe"),
           .dataset = &DM->Urzedy,
           .keyField = QStringLiteral("URZADID"),
           .gridName = "UrzedyGrid",
           .columns = {{.field = QStringLiteral("NAZWA"), .title = QStringLiteral("Nazwa organu podatkowego"), .width = 360}},
           .searchCaption = QStringLiteral("Nazwa organu podatkowego"),
           .deleteQuestion = QStringLiteral("Usunąć bieżącą pozycję z wykazu?"),
           .editor = [](QWidget *parent) { return std::make_unique<TUrzedyFrm>(parent); },
           .doubleClickEdits = false,
           .afterDelete = [](qint32 id) { DM->ReopenTaxOffices(id); }},
          parent)
{
}
