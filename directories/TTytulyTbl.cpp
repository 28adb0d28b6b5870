#include "TTytulyTbl.h"

#include "FDM.h"
#include "TTytulFrm.h"

TTytulyTbl::TTytulyTbl(QWidget *parent)
    : DirectoryList({.objectName = "TTytulyTbl",
                     .caption = QStringLiteral("Tytuły zapłaty"),
                     .dataset = &DM->Tytuly,
                     .keyField = QStringLiteral("TYTULID"),
                     .gridName = "TytulyGrid",
                     .columns = TitleColumns(),
                     .searchCaption = QStringLiteral("Nazwa tytułu zapłaty"),
                     .deleteQuestion = QStringLiteral("Usunąć zaznaczony tytuł zapłaty z wykazu?"),
                     .editor = [](QWidget *parent) { return std::make_unique<TTytulFrm>(parent); },
                     .afterDelete = [](qint32 id) { DM->ReopenTitles(id); }},
                    parent)
{
}

QVector<DatasetColumn> TTytulyTbl::TitleColumns()
{
    return {
        {.field = QStringLiteral("NAZWA"), .title = QStringLiteral("Nazwa tytułu zapłaty"), .width = 160},
        {.field = QStringLiteral("TYTUL1"), .title = QStringLiteral("Tytuł zapłaty"), .width = 200},
        {.field = QStringLiteral("TYTUL2"), .title = QStringLiteral("Tytuł zapłaty cd."), .width = 200},
    };
}
