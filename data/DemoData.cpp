#include "DemoData.h"

#include "DatabaseCreator.h"

#include <QStringList>

namespace {

const char *const DemoStatements[] = {
    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, KONTO, NAZWA1_NAD, NAZWA2_NAD, TYPIDENTYF, NIP) "
    "values (gen_id(GEN_ADRESATID, 1), 'BIURO', 'Biuro Rachunkowe Bilans s.c.', 'ul. Długa 5, 00-950 Warszawa', "
    "'61109010140000071219812874', 'Biuro Rachunkowe Bilans s.c.', 'ul. Długa 5, 00-950 Warszawa', 'N', '526-104-08-28')",
    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, KONTO) "
    "values (gen_id(GEN_ADRESATID, 1), 'ŻUBR', 'Hurtownia Żubr sp. z o.o.', 'ul. Łąkowa 12, 15-001 Białystok', "
    "'72114020040000360254826891')",
    "insert into URZEDY (URZADID, NAZWA, NAZWA1, NAZWA2, KONTOPIT, KONTOVAT) "
    "values (gen_id(GEN_URZADID, 1), 'US Warszawa-Śródmieście', 'Urząd Skarbowy Warszawa-Śródmieście', "
    "'ul. Lindleya 14, 02-013 Warszawa', '76101010100165392221000000', '26101010100165392222000000')",
    "insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) values (gen_id(GEN_TYTULID, 1), 'FAKTURA', 'Zapłata za fakturę', 'nr ')",
    "insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) values (gen_id(GEN_TYTULID, 1), 'CZYNSZ', 'Czynsz za lokal', "
    "'ul. Polna 8, Kraków')",
    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, NAZWA1_NAD, NAZWA2_NAD, TYPIDENTYF, PESEL, TELEFON) "
    "values (gen_id(GEN_ADRESATID, 1), 'KOWALSKI', 'Jan Kowalski', 'ul. Polna 8, 30-002 Kraków', 'Jan Kowalski', "
    "'ul. Polna 8, 30-002 Kraków', 'P', '44051401359', '12 345 67 89')",
    "insert into URZEDY (URZADID, NAZWA, NAZWA1, NAZWA2, KONTOPIT, KONTOCIT, KONTOVAT) "
    "values (gen_id(GEN_URZADID, 1), 'US Kraków-Podgórze', 'Urząd Skarbowy Kraków-Podgórze', "
    "'ul. Wadowicka 10, 30-415 Kraków', '11101012700055542221000000', '02101012700055542227000000', "
    "'58101012700055542222000000')",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, "
    "TYTUL1_ZAPL, TYTUL2_ZAPL, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), 'Hurtownia Żubr sp. z o.o.', "
    "'ul. Łąkowa 12, 15-001 Białystok', '72114020040000360254826891', 'T', 1234.50, 'Biuro Rachunkowe Bilans s.c.', "
    "'ul. Długa 5, 00-950 Warszawa', '61109010140000071219812874', 'Zapłata za fakturę', 'nr 17/11/2026', current_timestamp)",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, "
    "TYTUL1_ZAPL, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), 'Spółdzielnia Mieszkaniowa Zorza', 'ul. Słoneczna 3, 30-001 Kraków', "
    "'57102028920000550200831735', 'N', 356.18, 'Jan Kowalski', 'ul. Polna 8, 30-002 Kraków', '', "
    "'Czynsz za grudzień 2026', current_timestamp)",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, "
    "TYTUL1_ZAPL, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), 'Wodociągi Miejskie', 'ul. Wodna 1, 00-001 Warszawa', "
    "'20102010260000160200043539', 'T', 1234567.50, 'Biuro Rachunkowe Bilans s.c.', 'ul. Długa 5, 00-950 Warszawa', "
    "'61109010140000071219812874', 'Faktura 2026/12/001', current_timestamp)",
    "insert into PODATKOWE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, RODZAJ_RACH, PRZELEW, KWOTA, NAZWA1_NAD, "
    "NAZWA2_NAD, KONTO_NAD, IDENTYF, TYPIDENTYF, OKRES, SYMBOLFORM, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), "
    "'Urząd Skarbowy Warszawa-Śródmieście', 'ul. Lindleya 14, 02-013 Warszawa', '26101010100165392222000000', 'V', 'T', "
    "4210.00, 'Biuro Rachunkowe Bilans s.c.', 'ul. Długa 5, 00-950 Warszawa', '61109010140000071219812874', "
    "'526-104-08-28', 'N', '26M11', 'VAT-7', current_timestamp)",
    "insert into ZUS (PRZELEWID, PRZELEW, TYP_WPL_51, TYP_WPL_52, TYP_WPL_53, KWOTA_51, KWOTA_52, KWOTA_53, NAZWA1_NAD, "
    "NAZWA2_NAD, KONTO_NAD, NIP_NAD, TYP_IDENT, IDENT_UZUP, ROK_DEKL, MIES_DEKL, NR_DEKL, PODPIS_A, PODPIS_B, DATA_WPR) "
    "values (gen_id(GEN_PRZELEWID, 1), 'T', 'S', 'S', 'S', 1520.34, 612.90, 98.44, 'Biuro Rachunkowe', 'Bilans s.c.', "
    "'61109010140000071219812874', '526-104-08-28', 'R', '012345678', 2026, 11, '01', 'Anna Nowak', "
    "'ul. Długa 5, Warszawa', current_timestamp)",
};

// Rates in force in recent years, so that the interest calculator works at once.
struct DemoRate
{
    const char *table;
    const char *day;
    const char *rate;
};

const DemoRate DemoRates[] = {
    {"ODSETKIPOD", "2016-01-01", "8.00"},  {"ODSETKIPOD", "2022-02-09", "8.50"},
    {"ODSETKIPOD", "2022-03-09", "10.00"}, {"ODSETKIPOD", "2022-04-07", "12.00"},
    {"ODSETKIPOD", "2022-05-06", "13.50"}, {"ODSETKIPOD", "2022-06-09", "15.00"},
    {"ODSETKIPOD", "2022-07-08", "16.00"}, {"ODSETKIPOD", "2022-09-08", "16.50"},
    {"ODSETKIPOD", "2023-09-07", "15.00"}, {"ODSETKIPOD", "2023-10-05", "14.50"},
    {"ODSETKIPOD", "2025-05-08", "13.50"}, {"ODSETKIPOD", "2025-07-03", "13.00"},
    {"ODSETKIUST", "2016-01-01", "7.00"},  {"ODSETKIUST", "2020-03-18", "6.50"},
    {"ODSETKIUST", "2020-04-09", "6.00"},  {"ODSETKIUST", "2020-05-29", "5.60"},
    {"ODSETKIUST", "2021-10-07", "6.00"},  {"ODSETKIUST", "2021-11-04", "6.75"},
    {"ODSETKIUST", "2021-12-09", "7.25"},  {"ODSETKIUST", "2022-01-05", "7.75"},
    {"ODSETKIUST", "2022-02-09", "8.25"},  {"ODSETKIUST", "2022-03-09", "9.00"},
    {"ODSETKIUST", "2022-04-07", "10.00"}, {"ODSETKIUST", "2022-05-06", "10.75"},
    {"ODSETKIUST", "2022-06-09", "11.50"}, {"ODSETKIUST", "2022-07-08", "12.00"},
    {"ODSETKIUST", "2022-09-08", "12.25"}, {"ODSETKIUST", "2023-09-07", "11.50"},
    {"ODSETKIUST", "2023-10-05", "11.25"}, {"ODSETKIUST", "2025-05-08", "10.75"},
    {"ODSETKIUST", "2025-07-03", "10.50"},
};

}

void AddDemoData(const QString &databaseName)
{
    QStringList statements;
    for (const char *statement : DemoStatements)
        statements << QString::fromUtf8(statement);
    for (const DemoRate &rate : DemoRates)
        statements << QStringLiteral("insert into %1 (WPISID, ODDNIA, STOPA) values (gen_id(GEN_WPISID, 1), '%2', %3)")
                          .arg(QLatin1String(rate.table), QLatin1String(rate.day), QLatin1String(rate.rate));
    RunInOneTransaction(databaseName, statements);
}
