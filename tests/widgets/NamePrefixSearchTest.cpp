#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "NamePrefixSearch.h"
#include "SearchBox.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// More contractors than a grid reads at first, with the interesting names near the end
// of the name order so that the search has to read on.
class NamePrefixSearchTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStringList statements;
        for (int i = 0; i < 600; ++i)
            statements << QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA) values (%1, 'A%2')")
                              .arg(i + 1)
                              .arg(i, 4, 10, QChar(u'0'));
        int id = 1000;
        for (const char *name : {"Kowalski Jan", "kowalczyk", "Łódź Urząd", "ŻABKA   ", "Źródło"})
            statements << QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA) values (%1, '%2')")
                              .arg(++id)
                              .arg(QString::fromUtf8(name));
        db.execute(statements);
        ASSERT_TRUE(dm.ConnectDatabase());
        ASSERT_LT(dm.Adresaci.fetchedCount(), 600);
    }

    QString current() const { return dm.Adresaci.value("NAZWA").toString(); }

    FreshDatabase db;
    MessageRecorder messages;
    TDM dm;
};

}

TEST_F(NamePrefixSearchTest, MovesToTheFirstNameBeginningWithTheTextOrStays)
{
    const struct { QString text; QString expected; } rows[] = {
        {"kow", "kowalczyk"},        // any mix of case; the first in name order
        {"KOWALS", "Kowalski Jan"},
        {"łó", "Łódź Urząd"},        // Polish letters upper-cased one for one
        {"żabka", "ŻABKA   "},      // the stored trailing blanks do not count
        {"ŹRÓDŁO  ", "Źródło"},     // nor do the typed ones
        {"x", "Źródło"},            // no match: the list stays where it stood
        {"", "Źródło"},             // empty: stays too
        {"a0001", "A0001"},
    };
    for (const auto &row : rows) {
        MoveToNamePrefix(dm.Adresaci, "NAZWA", row.text);
        EXPECT_EQ(current(), row.expected) << row.text.toStdString();
    }
    EXPECT_EQ(dm.Adresaci.fetchedCount(), 605); // read on only as far as needed, never filtered
}

TEST_F(NamePrefixSearchTest, TheSearchBoxMovesOnEveryChangeAndItsClearButtonMovesNothing)
{
    SearchBox box(dm.Adresaci, "NAZWA", "Nazwa kontrahenta");
    EXPECT_EQ(box.title(), "Szukaj [Nazwa kontrahenta]");
    box.Edit()->setText("ko");
    EXPECT_EQ(current(), "kowalczyk");
    box.Edit()->setText("kowals");
    EXPECT_EQ(current(), "Kowalski Jan");
    box.EdNazwaButtonClick();
    EXPECT_TRUE(box.Edit()->text().isEmpty());
    EXPECT_EQ(current(), "Kowalski Jan");
}
