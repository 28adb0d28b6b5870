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
    "'27114020040000360254826891')",
    "insert into URZEDY (URZADID, NAZWA, NAZWA1, NAZWA2, KONTOPIT, KONTOVAT) "
    "values (gen_id(GEN_URZADID, 1), 'US Warszawa-Śródmieście', 'Urząd Skarbowy Warszawa-Śródmieście', "
    "'ul. Lindleya 14, 02-013 Warszawa', '15101010100165392221000000', '67101010100165392222000000')",
    "insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) values (gen_id(GEN_TYTULID, 1), 'FAKTURA', 'Zapłata za fakturę', 'nr ')",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, "
    "TYTUL1_ZAPL, TYTUL2_ZAPL, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), 'Hurtownia Żubr sp. z o.o.', "
    "'ul. Łąkowa 12, 15-001 Białystok', '27114020040000360254826891', 'T', 1234.50, 'Biuro Rachunkowe Bilans s.c.', "
    "'ul. Długa 5, 00-950 Warszawa', '61109010140000071219812874', 'Zapłata za fakturę', 'nr 17/11/2026', current_timestamp)",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, "
    "TYTUL1_ZAPL, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), 'Spółdzielnia Mieszkaniowa Zorza', 'ul. Słoneczna 3, 30-001 Kraków', "
    "'83102028920000550200831735', 'N', 356.18, 'Jan Kowalski', 'ul. Polna 8, 30-002 Kraków', '', "
    "'Czynsz za grudzień 2026', current_timestamp)",
    "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, NAZWA2_NAD, KONTO_NAD, "
    "TYTUL1_ZAPL, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), 'Wodociągi Miejskie', 'ul. Wodna 1, 00-001 Warszawa', "
    "'49102010260000160200043539', 'T', 1234567.50, 'Biuro Rachunkowe Bilans s.c.', 'ul. Długa 5, 00-950 Warszawa', "
    "'61109010140000071219812874', 'Faktura 2026/12/001', current_timestamp)",
    "insert into PODATKOWE (PRZELEWID, NAZWA1_ODB, NAZWA2_ODB, KONTO_ODB, RODZAJ_RACH, PRZELEW, KWOTA, NAZWA1_NAD, "
    "NAZWA2_NAD, KONTO_NAD, IDENTYF, TYPIDENTYF, OKRES, SYMBOLFORM, DATA_WPR) values (gen_id(GEN_PRZELEWID, 1), "
    "'Urząd Skarbowy Warszawa-Śródmieście', 'ul. Lindleya 14, 02-013 Warszawa', '67101010100165392222000000', 'V', 'T', "
    "4210.00, 'Biuro Rachunkowe Bilans s.c.', 'ul. Długa 5, 00-950 Warszawa', '61109010140000071219812874', "
    "'526-104-08-28', 'N', '26M11', 'VAT-7', current_timestamp)",
    "insert into ZUS (PRZELEWID, PRZELEW, TYP_WPL_51, TYP_WPL_52, TYP_WPL_53, KWOTA_51, KWOTA_52, KWOTA_53, NAZWA1_NAD, "
    "NAZWA2_NAD, KONTO_NAD, NIP_NAD, TYP_IDENT, IDENT_UZUP, ROK_DEKL, MIES_DEKL, NR_DEKL, PODPIS_A, PODPIS_B, DATA_WPR) "
    "values (gen_id(GEN_PRZELEWID, 1), 'T', 'S', 'S', 'S', 1520.34, 612.90, 98.44, 'Biuro Rachunkowe', 'Bilans s.c.', "
    "'61109010140000071219812874', '526-104-08-28', 'R', '012345678', 2026, 11, '01', 'Anna Nowak', "
    "'ul. Długa 5, Warszawa', current_timestamp)",
};

}

void AddDemoData(const QString &databaseName)
{
    QStringList statements;
    for (const char *statement : DemoStatements)
        statements << QString::fromUtf8(statement);
    RunInOneTransaction(databaseName, statements);
}
