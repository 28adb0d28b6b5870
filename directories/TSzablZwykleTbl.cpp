#include "TSzablZwykleTbl.h"

#include "FDM.h"
#include "TSzablonZwyklyFrm.h"

TSzablZwykleTbl::TSzablZwykleTbl(QWidget *parent)
    : DirectoryList({"TSzablZwykleTbl", QStringLiteral("Zanderol zwykłe - szablony"), &DM->szZwykle,
                     QStringLiteral("PRZELEWID"), "SzablonGrid", TemplateColumns(), QStringLiteral("Nazwa szablonu"),
                     QStringLiteral("Usunąć zaznaczony szablon przelewu z wykazu?"),
                     [](QWidget *parent) { return std::make_unique<TSzablonZwyklyFrm>(parent); }, true, {},
                     [](qint32 id) { DM->ReopenOrdinaryTemplates(id); }},
                    parent)
{
}

QVector<DatasetColumn> TSzablZwykleTbl::TemplateColumns()
{
    return {{QStringLiteral("NAZWA"), QStringLiteral("Nazwa szablonu"), 300, {}}};
}
