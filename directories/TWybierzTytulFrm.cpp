#include "TWybierzTytulFrm.h"

#include "FDM.h"
#include "TTytulyTbl.h"

TWybierzTytulFrm::TWybierzTytulFrm(QWidget *parent)
    : DirectoryChooser({.objectName = "TWybierzTytulFrm",
                        .caption = QStringLiteral("Wybór tytułu zapłaty"),
                        .dataset = &DM->Tytuly,
                        .keyField = QStringLiteral("TYTULID"),
                        .gridName = "TytulGrid",
                        .columns = TTytulyTbl::TitleColumns(),
                        .searchCaption = QStringLiteral("Nazwa tytułu zapłaty"),
                        .list = [](QWidget *parent) { return std::make_unique<TTytulyTbl>(parent); }},
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
