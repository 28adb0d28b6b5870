#pragma once

#include <QString>

// What a chooser hands back: a copy of the chosen directory row. Editors copy these
// texts into their own order, which therefore never changes with the directory.

struct ContractorChoice
{
    qint32 ADRESATID = 0;
    QString NAZWA1_ODB, NAZWA2_ODB, NAZWA1_NAD, NAZWA2_NAD, KONTO, TYPIDENTYF, NIP, REGON, PESEL, PODPIS_A_POD,
        PODPIS_B_POD, PODPIS_C_POD, PODPIS_A_ZUS, PODPIS_B_ZUS, PODPIS_C_ZUS;
};

struct TaxAuthorityChoice
{
    qint32 URZADID = 0;
    QString NAZWA, NAZWA1, NAZWA2, KONTOPIT, KONTOCIT, KONTOVAT, KONTOPCC, KONTOBUD;
};

struct TitleChoice
{
    qint32 TYTULID = 0;
    QString NAZWA, TYTUL1, TYTUL2;
};
