#include "TWybierzUrzadFrm.h"

#include "FDM.h"
#include "TUrzedyTbl.h"

TWybierzUrzadFrm::TWybierzUrzadFrm(QWidget *parent)
    : DirectoryChooser({"TWybierzUrzadFrm", QStringLiteral("Wybór organu podatkowego"), &DM->Urzedy, {},
                        QStringLiteral("URZADID"), "UrzadGrid",
                        {{QStringLiteral("NAZWA"), QStringLiteral("Nazwa organu podatkowego"), 360, {}}},
                        QStringLiteral("Nazwa organu podatkowego"),
                        [](QWidget *parent) { return std::make_unique<TUrzedyTbl>(parent); },
                        [] { DM->ReopenTaxOffices(); }},
                       parent)
{
}

void TWybierzUrzadFrm::TakeChoice(const Dataset &row)
{
    const auto text = [&row](const char *column) { return row.value(QLatin1String(column)).toString(); };
    choice_.URZADID = row.value(QStringLiteral("URZADID")).toInt();
    choice_.NAZWA = text("NAZWA");
    choice_.NAZWA1 = text("NAZWA1");
    choice_.NAZWA2 = text("NAZWA2");
    choice_.KONTOPIT = text("KONTOPIT");
    choice_.KONTOCIT = text("KONTOCIT");
    choice_.KONTOVAT = text("KONTOVAT");
    choice_.KONTOPCC = text("KONTOPCC");
    choice_.KONTOBUD = text("KONTOBUD");
}
