#include "TWybierzUrzadFrm.h"

#include "FDM.h"
#include "TUrzedyTbl.h"

TWybierzUrzadFrm::TWybierzUrzadFrm(QWidget *parent)
    : DirectoryChooser(
          {.objectName = "TWybierzUrzadFrm",
           .caption = QStringLiteral("Wybór organu podatkowego"),
           .dataset = &DM->Urzedy,
           .keyField = QStringLiteral("URZADID"),
           .gridName = "UrzadGrid",
           .columns = {{.field = QStringLiteral("NAZWA"), .title = QStringLiteral("Nazwa organu podatkowego"), .width = 360}},
           .searchCaption = QStringLiteral("Nazwa organu podatkowego"),
           .list = [](QWidget *parent) { return std::make_unique<TUrzedyTbl>(parent); }},
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
