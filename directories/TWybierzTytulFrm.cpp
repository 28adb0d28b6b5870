#include "TWybierzTytulFrm.h"

#include "FDM.h"
#include "TTytulyTbl.h"

TWybierzTytulFrm::TWybierzTytulFrm(QWidget *parent)
    : DirectoryChooser({"TWybierzTytulFrm", QStringLiteral("Wybór tytułu zapłaty"), &DM->Tytuly, {},
                        QStringLiteral("TYTULID"), "TytulGrid", TTytulyTbl::TitleColumns(),
                        QStringLiteral("Nazwa tytułu zapłaty"),
                        [](QWidget *parent) { return std::make_unique<TTytulyTbl>(parent); },
                        [] { DM->ReopenTitles(); }},
                       parent)
{
}

void TWybierzTytulFrm::TakeChoice(const Dataset &row)
{
    choice_.TYTULID = row.value(QStringLiteral("TYTULID")).toInt();
    choice_.NAZWA = row.value(QStringLiteral("NAZWA")).toString();
    choice_.TYTUL1 = row.value(QStringLiteral("TYTUL1")).toString();
    choice_.TYTUL2 = row.value(QStringLiteral("TYTUL2")).toString();
}
