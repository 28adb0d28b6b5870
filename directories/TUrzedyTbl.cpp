#include "TUrzedyTbl.h"

#include "FDM.h"
#include "TUrzedyFrm.h"

TUrzedyTbl::TUrzedyTbl(QWidget *parent)
    : DirectoryList({"TUrzedyTbl", QStringLiteral("Organy podatkowe"), &DM->Urzedy, QStringLiteral("URZADID"),
                     "UrzedyGrid", {{QStringLiteral("NAZWA"), QStringLiteral("Nazwa organu podatkowego"), 360, {}}},
                     QStringLiteral("Nazwa organu podatkowego"), QStringLiteral("Usunąć bieżącą pozycję z wykazu?"),
                     [](QWidget *parent) { return std::make_unique<TUrzedyFrm>(parent); }, false},
                    parent)
{
}
