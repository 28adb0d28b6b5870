#include "TTytulyTbl.h"

#include "FDM.h"
#include "TTytulFrm.h"

TTytulyTbl::TTytulyTbl(QWidget *parent)
    : DirectoryList({"TTytulyTbl", QStringLiteral("Tytuły zapłaty"), &DM->Tytuly, QStringLiteral("TYTULID"),
                     "TytulyGrid", TitleColumns(), QStringLiteral("Nazwa tytułu zapłaty"),
                     QStringLiteral("Usunąć zaznaczony tytuł zapłaty z wykazu?"),
                     [](QWidget *parent) { return std::make_unique<TTytulFrm>(parent); }},
                    parent)
{
}

QVector<DatasetColumn> TTytulyTbl::TitleColumns()
{
    return {
        {QStringLiteral("NAZWA"), QStringLiteral("Nazwa tytułu zapłaty"), 160, {}},
        {QStringLiteral("TYTUL1"), QStringLiteral("Tytuł zapłaty"), 200, {}},
        {QStringLiteral("TYTUL2"), QStringLiteral("Tytuł zapłaty cd."), 200, {}},
    };
}
