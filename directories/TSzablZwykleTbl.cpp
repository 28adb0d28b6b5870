#include "TSzablZwykleTbl.h"

#include "FDM.h"
#include "TSzablonZwyklyFrm.h"

TSzablZwykleTbl::TSzablZwykleTbl(QWidget *parent)
    : DirectoryList({.objectName = "TSzablZwykleTbl",
                     .caption = QStringLiteral("Zanderol zwykłe - szablony"),
                     .dataset = &DM->szZwykle,
                     .keyField = QStringLiteral("PRZELEWID"),
                     .gridName = "SzablonGrid",
                     .columns = TemplateColumns(),
                     .searchCaption = QStringLiteral("Nazwa szablonu"),
                     .deleteQuestion = QStringLiteral("Usunąć zaznaczony szablon przelewu z wykazu?"),
                     .editor = [](QWidget *parent) { return std::make_unique<TSzablonZwyklyFrm>(parent); },
                     .doubleClickEdits = true,
                     .afterDelete = [](qint32 id) { DM->ReopenOrdinaryTemplates(id); }},
                    parent)
{
}

QVector<DatasetColumn> TSzablZwykleTbl::TemplateColumns()
{
    return {{.field = QStringLiteral("NAZWA"), .title = QStringLiteral("Nazwa szablonu"), .width = 300}};
}
