#include "FieldCaptions.h"

#include <array>

namespace {

struct Caption
{
    const char *column;
    const char *caption;
};

using Captions = std::initializer_list<Caption>;

constexpr const char *SecondLine = " (drugi wiersz)";

// The two lines of a name or a title, captioned once above the first.
void addTwoLines(QHash<QString, QString> &captions, const char *first, const char *second, const char *caption)
{
    captions.insert(QLatin1String(first), QString::fromUtf8(caption));
    captions.insert(QLatin1String(second), QString::fromUtf8(caption) + QLatin1String(SecondLine));
}

QHash<QString, QString> make(Captions single, std::initializer_list<std::array<const char *, 3>> twoLines)
{
    QHash<QString, QString> captions;
    for (const Caption &c : single)
        captions.insert(QLatin1String(c.column), QString::fromUtf8(c.caption));
    for (const auto &[first, second, caption] : twoLines)
        addTwoLines(captions, first, second, caption);
    return captions;
}

QHash<QString, QString> taxOrder(Captions own)
{
    QHash<QString, QString> captions = make(
        {{"KONTO_ODB", "Numer rachunku bankowego organu podatkowego"},
         {"IDENTYF", "NIP lub identyfikator uzupełniający"},
         {"OKRES", "Okres"},
         {"SYMBOLFORM", "Symbol formularza lub płatności"},
         {"IDENTYFZOB", "Identyfikacja zobowiązania"}},
        {{"NAZWA1_ODB", "NAZWA2_ODB", "Nazwa organu podatkowego"},
         {"NAZWA1_NAD", "NAZWA2_NAD", "Nazwa i adres zobowiązanego"}});
    for (const Caption &c : own)
        captions.insert(QLatin1String(c.column), QString::fromUtf8(c.caption));
    return captions;
}

QHash<QString, QString> captionsOf(const QString &table)
{
    if (table == QLatin1String("ZWYKLE"))
        return make({{"KONTO_ODB", "Numer rachunku odbiorcy"},
                     {"KONTO_NAD", "Numer rachunku zleceniodawcy (przelew) / kwota słownie (wpłata)"}},
                    {{"NAZWA1_ODB", "NAZWA2_ODB", "Nazwa odbiorcy"},
                     {"NAZWA1_NAD", "NAZWA2_NAD", "Nazwa zleceniodawcy"},
                     {"TYTUL1_ZAPL", "TYTUL2_ZAPL", "Tytuł zapłaty"}});
    if (table == QLatin1String("SZZWYKLE"))
        return make({{"NAZWA", "Nazwa szablonu (identyfikator)"},
                     {"KONTO_ODB", "Numer rachunku odbiorcy"},
                     {"KONTO_NAD", "Numer rachunku zleceniodawcy"}},
                    {{"NAZWA1_ODB", "NAZWA2_ODB", "Nazwa odbiorcy"},
                     {"NAZWA1_NAD", "NAZWA2_NAD", "Nazwa zleceniodawcy"},
                     {"TYTUL1_ZAPL", "TYTUL2_ZAPL", "Tytuł zapłaty"}});
    if (table == QLatin1String("PODATKOWE"))
        return taxOrder({{"KONTO_NAD", "Numer rachunku bankowego zobowiązanego (przelew) / kwota słownie (wpłata)"}});
    if (table == QLatin1String("SZPODATKOWE"))
        return taxOrder({{"NAZWA", "Nazwa szablonu (identyfikator)"}, {"KONTO_NAD", "Numer rachunku zobowiązanego"}});
    if (table == QLatin1String("ZUS"))
        return make({{"NR_DEC_51", "Nr decyzji/umowy/tytułu (51)"},
                     {"NR_DEC_52", "Nr decyzji/umowy/tytułu (52)"},
                     {"NR_DEC_53", "Nr decyzji/umowy/tytułu (53)"},
                     {"KONTO_NAD", "Numer rachunku bankowego zleceniodawcy (przelew)"},
                     {"NIP_NAD", "NIP płatnika"},
                     {"IDENT_UZUP", "Drugi identyfikator płatnika"},
                     {"NR_DEKL", "Nr deklaracji"},
                     {"PODPIS_A", "Nazwisko, imię i adres wpłacającego (pierwszy wiersz)"},
                     {"PODPIS_B", "Nazwisko, imię i adres wpłacającego (drugi wiersz)"},
                     {"PODPIS_C", "Nazwisko, imię i adres wpłacającego (trzeci wiersz)"}},
                    {{"NAZWA1_NAD", "NAZWA2_NAD", "Nazwa skrócona płatnika lub nazwisko i imię płatnika"}});
    if (table == QLatin1String("ADRESACI")) {
        QHash<QString, QString> captions = make(
            {{"NAZWA", "Nazwa kontrahenta (identyfikator)"},
             {"KONTO", "Numer rachunku bankowego"},
             {"NIP", "NIP"},
             {"REGON", "REGON"},
             {"PESEL", "PESEL"},
             {"TELEFON", "Telefon"},
             {"KOMORKA", "Komórka"},
             {"FAKS", "Faks"},
             {"EMAIL", "E-mail"}},
            {{"NAZWA1_ODB", "NAZWA2_ODB", "Nazwa kontrahenta gdy występuje jako odbiorca przelewu (wpłaty)"},
             {"NAZWA1_NAD", "NAZWA2_NAD", "Nazwa kontrahenta gdy występuje jako zleceniodawca przelewu (wpłaty)"}});
        const char *const lines[] = {"pierwszy", "drugi", "trzeci"};
        for (const auto &[form, group] : {std::pair{"POD", "Podpis - formularz podatki"}, std::pair{"ZUS", "Podpis - formularz ZUS"}})
            for (int line = 0; line < 3; ++line)
                captions.insert(QStringLiteral("PODPIS_%1_%2").arg(QChar(u'A' + line)).arg(QLatin1String(form)),
                                QStringLiteral("%1 (%2 wiersz)").arg(QString::fromUtf8(group), QLatin1String(lines[line])));
        return captions;
    }
    if (table == QLatin1String("URZEDY"))
        return make({{"NAZWA", "Nazwa organu podatkowego (identyfikator)"},
                     {"KONTOPIT", "Podatek dochodowy od osób fizycznych (PIT, PIT-4, PIT-5)"},
                     {"KONTOCIT", "Podatek dochodowy od osób prawnych (CIT)"},
                     {"KONTOVAT", "Podatek od towarów i usług (VAT)"},
                     {"KONTOPCC", "Podatek od czynności cywilno-prawnych, karta podatkowa"},
                     {"KONTOBUD", "Dochody państwowych jednostek budżetowych"}},
                    {{"NAZWA1", "NAZWA2", "Nazwa i adres organu podatkowego"}});
    if (table == QLatin1String("TYTULY"))
        return make({{"NAZWA", "Nazwa tytułu zapłaty (identyfikator)"}}, {{"TYTUL1", "TYTUL2", "Tytuł zapłaty"}});
    return {};
}

}

namespace FieldCaptions {

QHash<QString, QString> of(const QString &table)
{
    return captionsOf(table.toUpper());
}

}
