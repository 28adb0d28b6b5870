#include "TableColumns.h"

#include <QHash>

namespace {

QStringList signatureColumns()
{
    QStringList columns;
    for (const char *form : {"ZW", "POD", "ZUS"})
        for (const char *line : {"A", "B", "C", "D"})
            columns << QStringLiteral("PODPIS_%1_%2").arg(QLatin1String(line), QLatin1String(form));
    return columns;
}

const QHash<QString, QStringList> &allColumns()
{
    static const QHash<QString, QStringList> columns = {
        {QStringLiteral("ZWYKLE"),
         {"PRZELEWID", "ODBIORCAID", "NAZWA1_ODB", "NAZWA2_ODB", "KONTO_ODB", "PRZELEW", "KWOTA", "NADAWCAID",
          "NAZWA1_NAD", "NAZWA2_NAD", "KONTO_NAD", "TYTUL1_ZAPL", "TYTUL2_ZAPL", "DATA_PRZEK", "DATA_WPR",
          "OPERATORID", "WYDRUKOWANO"}},
        {QStringLiteral("PODATKOWE"),
         {"PRZELEWID", "ODBIORCAID", "NAZWA1_ODB", "NAZWA2_ODB", "KONTO_ODB", "RODZAJ_RACH", "PRZELEW", "KWOTA",
          "NADAWCAID", "NAZWA1_NAD", "NAZWA2_NAD", "KONTO_NAD", "IDENTYF", "TYPIDENTYF", "OKRES", "SYMBOLFORM",
          "IDENTYFZOB", "DATA_PRZEK", "DATA_WPR", "OPERATORID", "WYDRUKOWANO"}},
        {QStringLiteral("ZUS"),
         {"PRZELEWID", "PRZELEW", "TYP_WPL_51", "TYP_WPL_52", "TYP_WPL_53", "KWOTA_51", "KWOTA_52", "KWOTA_53",
          "NR_DEC_51", "NR_DEC_52", "NR_DEC_53", "NADAWCAID", "NAZWA1_NAD", "NAZWA2_NAD", "KONTO_NAD", "NIP_NAD",
          "TYP_IDENT", "IDENT_UZUP", "ROK_DEKL", "MIES_DEKL", "NR_DEKL", "PODPIS_A", "PODPIS_B", "PODPIS_C",
          "PODPIS_D", "DATA_PRZEK", "DATA_WPR", "OPERATORID", "WYDRUKOWANO"}},
        // Without the correspondence address and the notes (ADRESKOR, NOTATKI): text blobs,
        // each read by a round trip of its own, which made reading the list through a
        // server some forty times slower; no window shows them, and changes leave them as
        // stored.
        {QStringLiteral("ADRESACI"),
         QStringList{"ADRESATID", "NAZWA", "NAZWA1_ODB", "NAZWA2_ODB", "KONTO", "NAZWA1_NAD", "NAZWA2_NAD",
                     "TYPIDENTYF", "NIP", "REGON", "PESEL", "TELEFON", "KOMORKA", "FAKS", "EMAIL", "WWW", "URZADPIT",
                     "URZADCIT", "URZADVAT", "URZADPCC", "URZADBUD", "AKTYWNY", "TYP_ID_ZUS"}
             + signatureColumns()},
        {QStringLiteral("URZEDY"),
         {"URZADID", "NAZWA", "NAZWA1", "NAZWA2", "KONTOPIT", "KONTOCIT", "KONTOVAT", "KONTOPCC", "KONTOBUD"}},
        {QStringLiteral("TYTULY"), {"TYTULID", "NAZWA", "TYTUL1", "TYTUL2"}},
        {QStringLiteral("SZZWYKLE"),
         {"PRZELEWID", "NAZWA", "ODBIORCAID", "NAZWA1_ODB", "NAZWA2_ODB", "KONTO_ODB", "PRZELEW", "KWOTA",
          "NADAWCAID", "NAZWA1_NAD", "NAZWA2_NAD", "KONTO_NAD", "TYTULID", "TYTUL1_ZAPL", "TYTUL2_ZAPL"}},
        {QStringLiteral("SZPODATKOWE"),
         {"PRZELEWID", "NAZWA", "KONTRAHID", "ODBIORCAID", "NAZWA1_ODB", "NAZWA2_ODB", "KONTO_ODB", "RODZAJ_RACH",
          "PRZELEW", "KWOTA", "NADAWCAID", "NAZWA1_NAD", "NAZWA2_NAD", "KONTO_NAD", "IDENTYF", "TYPIDENTYF", "OKRES",
          "SYMBOLFORM", "IDENTYFZOB"}},
        {QStringLiteral("ODSETKIPOD"), {"WPISID", "ODDNIA", "STOPA"}},
        {QStringLiteral("ODSETKIUST"), {"WPISID", "ODDNIA", "STOPA"}},
    };
    return columns;
}

}

namespace TableColumns {

QStringList of(const QString &table)
{
    return allColumns().value(table.toUpper());
}

QString selectSql(const QString &table)
{
    return QStringLiteral("select %1\nfrom %2").arg(of(table).join(QStringLiteral(", ")), table.toUpper());
}

QString insertSql(const QString &table)
{
    const QStringList columns = of(table);
    QStringList params;
    for (const QString &column : columns)
        params << u':' + column;
    return QStringLiteral("insert into %1\n  (%2)\nvalues\n  (%3)")
        .arg(table.toUpper(), columns.join(QStringLiteral(", ")), params.join(QStringLiteral(", ")));
}

QString updateSql(const QString &table, const QString &key)
{
    QStringList assignments;
    for (const QString &column : of(table))
        if (column != key)
            assignments << QStringLiteral("%1 = :%1").arg(column);
    return QStringLiteral("update %1\nset\n  %2\nwhere\n  %3 = :OLD_%3")
        .arg(table.toUpper(), assignments.join(QStringLiteral(",\n  ")), key);
}

QString deleteSql(const QString &table, const QString &key)
{
    return QStringLiteral("delete from %1\nwhere\n  %2 = :OLD_%2").arg(table.toUpper(), key);
}

namespace {

QString asRead(const QString &table, const QString &key)
{
    QStringList conditions;
    for (const QString &column : TableColumns::of(table))
        if (column != key)
            conditions << QStringLiteral("\n  and %1 is not distinct from :OLD_%1").arg(column);
    return conditions.join(QString());
}

}

QString comparingUpdateSql(const QString &table, const QString &key)
{
    return updateSql(table, key) + asRead(table, key);
}

QString comparingDeleteSql(const QString &table, const QString &key)
{
    return deleteSql(table, key) + asRead(table, key);
}

}
