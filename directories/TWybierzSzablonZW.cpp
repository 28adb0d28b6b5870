#include "TWybierzSzablonZW.h"

#include "FDM.h"
#include "TSzablZwykleTbl.h"

TWybierzSzablonZW::TWybierzSzablonZW(QWidget *parent)
    : DirectoryChooser({.objectName = "TWybierzSzablonZW",
                        .caption = QStringLiteral("Wybór szablonu"),
                        .dataset = &DM->szZwykle,
                        .keyField = QStringLiteral("PRZELEWID"),
                        .gridName = "SzablonGrid",
                        .columns = TSzablZwykleTbl::TemplateColumns(),
                        .searchCaption = QStringLiteral("Nazwa szablonu"),
                        .list = [](QWidget *parent) { return std::make_unique<TSzablZwykleTbl>(parent); }},
                       parent)
{
}
