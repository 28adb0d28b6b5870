#include "TWybierzSzablonZW.h"

#include "FDM.h"
#include "TSzablZwykleTbl.h"

TWybierzSzablonZW::TWybierzSzablonZW(QWidget *parent)
    : DirectoryChooser({"TWybierzSzablonZW", QStringLiteral("Wybór szablonu"), &DM->szZwykle, {},
                        QStringLiteral("PRZELEWID"), "SzablonGrid", TSzablZwykleTbl::TemplateColumns(),
                        QStringLiteral("Nazwa szablonu"),
                        [](QWidget *parent) { return std::make_unique<TSzablZwykleTbl>(parent); }},
                       parent)
{
}
