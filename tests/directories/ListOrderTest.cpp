#include "DirectoryFixture.h"
#include "SearchBox.h"
#include "TTytulyTbl.h"
#include "TUrzedyTbl.h"

#include <QLineEdit>
#include <memory>

namespace {

// Tax authorities AB, AC (in that order of adding) and payment titles AB, AC.
class ListOrder : public DirectoryFixture
{
protected:
    void SetUp() override
    {
        insert({"insert into URZEDY (URZADID, NAZWA) values (gen_id(GEN_URZADID, 1), 'AB')",
                "insert into URZEDY (URZADID, NAZWA) values (gen_id(GEN_URZADID, 1), 'AC')",
                "insert into TYTULY (TYTULID, NAZWA, TYTUL1) values (gen_id(GEN_TYTULID, 1), 'AC', 'Tytuł')",
                "insert into TYTULY (TYTULID, NAZWA, TYTUL1) values (gen_id(GEN_TYTULID, 1), 'AB', 'Tytuł')"});
        DirectoryFixture::SetUp();
    }
};

}

// Shown in its order from the moment a row is stored, not only after the list is read
// again: the search, which takes the first match in the list's order, depends on it.
TEST_F(ListOrder, AListShowsAStoredRowInItsPlaceAndTheSearchFindsIt)
{
    const struct {
        const char *what;
        std::function<std::unique_ptr<DirectoryList>()> list;
        const char *editor;
        Dataset TDM::*rows;
        QString standOn;     // the row current before the button
        const char *button;
        QString typed;       // the name the editor stores
        QStringList shown;   // the list afterwards, current row marked
        QString search;
        QString found;
    } rows[] = {
        {"a tax authority added stands last, in the order of adding",
         [] { return std::make_unique<TUrzedyTbl>(); }, "TUrzedyFrm", &TDM::Urzedy, "AB", "InsertBtn", "AA",
         {"AB", "AC", "AA*"}, "A", "AB"},
        {"a payment title added stands in name order", [] { return std::make_unique<TTytulyTbl>(); }, "TTytulFrm",
         &TDM::Tytuly, "AC", "InsertBtn", "AA", {"AA*", "AB", "AC"}, "A", "AA"},
        {"a payment title renamed moves to its new place", [] { return std::make_unique<TTytulyTbl>(); }, "TTytulFrm",
         &TDM::Tytuly, "AB", "EditBtn", "AD", {"AC", "AD*"}, "A", "AC"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Dataset &list = dm.*row.rows;
        on(QLatin1String(row.editor), [&](QDialog &editor) {
            type(editor, "EdNazwa", row.typed);
            if (auto *title = editor.findChild<QLineEdit *>(QStringLiteral("EdTytul1")))
                title->setText(QStringLiteral("Tytuł"));
            return press(editor, "PostBtn");
        });
        QStringList shown;
        QString found;
        const std::unique_ptr<DirectoryList> window = row.list();
        on(window->objectName(), [&](QDialog &shownList) {
            EXPECT_TRUE(list.locate(QStringLiteral("NAZWA"), row.standOn));
            click(shownList, row.button);
            const int current = list.currentRow();
            shown = names(list);
            if (current >= 0 && current < shown.size())
                shown[current] += u'*';
            control<SearchBox>(shownList, "SearchBox")->Edit()->setText(row.search);
            found = list.value(QStringLiteral("NAZWA")).toString();
            return int(QDialog::Rejected);
        });
        window->ShowList();
        EXPECT_EQ(shown, row.shown);
        EXPECT_EQ(found, row.found);
        // Each row starts from the rows of SetUp; what a row stored is committed.
        insert({"delete from URZEDY where NAZWA = 'AA'", "delete from TYTULY where NAZWA = 'AA'"});
        dm.ReopenTaxOffices();
        dm.ReopenTitles();
    }
}
