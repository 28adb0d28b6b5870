#include "TWybierzAdresatFrm.h"

#include "FDM.h"
#include "TAdresaciTbl.h"

TWybierzAdresatFrm::TWybierzAdresatFrm(QWidget *parent)
    : DirectoryChooser(
          {.objectName = "TWybierzAdresatFrm",
           .caption = QStringLiteral("Wybór kontrahenta"),
           .dataset = nullptr,
           .ownQuerySql = QStringLiteral("select ADRESATID, NAZWA, NAZWA1_NAD, NAZWA2_NAD, NAZWA1_ODB, NAZWA2_ODB, KONTO, "
                                         "NIP, PESEL, REGON, TYPIDENTYF, PODPIS_A_POD, PODPIS_B_POD, PODPIS_C_POD, "
                                         "PODPIS_A_ZUS, PODPIS_B_ZUS, PODPIS_C_ZUS\nfrom ADRESACI\norder by NAZWA"),
           .keyField = QStringLiteral("ADRESATID"),
           .gridName = "KontrahGrid",
           .columns = {{.field = QStringLiteral("NAZWA"), .title = QStringLiteral("Nazwa kontrahenta"), .width = 220},
                       {.field = QStringLiteral("NIP"), .title = QStringLiteral("NIP"), .width = 110},
                       {.field = QStringLiteral("REGON"), .title = QStringLiteral("REGON"), .width = 110}},
           .searchCaption = QStringLiteral("Nazwa kontrahenta"),
           .list = [](QWidget *parent) { return std::make_unique<TAdresaciTbl>(parent); }},
          parent)
{
}

void TWybierzAdresatFrm::TakeChoice(const Dataset &row)
{
    const auto text = [&row](const char *column) { return row.value(QLatin1String(column)).toString(); };
    choice_.ADRESATID = row.value(QStringLiteral("ADRESATID")).toInt();
    choice_.NAZWA1_ODB = text("NAZWA1_ODB");
    choice_.NAZWA2_ODB = text("NAZWA2_ODB");
    choice_.NAZWA1_NAD = text("NAZWA1_NAD");
    choice_.NAZWA2_NAD = text("NAZWA2_NAD");
    choice_.KONTO = text("KONTO");
    choice_.TYPIDENTYF = text("TYPIDENTYF");
    choice_.NIP = text("NIP");
    choice_.REGON = text("REGON");
    choice_.PESEL = text("PESEL");
    choice_.PODPIS_A_POD = text("PODPIS_A_POD");
    choice_.PODPIS_B_POD = text("PODPIS_B_POD");
    choice_.PODPIS_C_POD = text("PODPIS_C_POD");
    choice_.PODPIS_A_ZUS = text("PODPIS_A_ZUS");
    choice_.PODPIS_B_ZUS = text("PODPIS_B_ZUS");
    choice_.PODPIS_C_ZUS = text("PODPIS_C_ZUS");
}
