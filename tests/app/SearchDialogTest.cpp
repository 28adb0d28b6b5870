#include "AppFixture.h"
#include "DatasetGrid.h"
#include "FSzukajFrm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct Search
{
    QString text;
    int column = 0;
    bool caseMatters = false;
    bool fragment = true;
    bool fromBeginning = true;
};

class SearchDialog : public AppFixture
{
protected:
    // Sets the dialog as the user would and presses "Szukaj"; the dialog's result is kept.
    void fill(QDialog &dialog, const Search &search)
    {
        dialog.findChild<QLineEdit *>("EdTekst")->setText(search.text);
        dialog.findChild<QComboBox *>("EdPole")->setCurrentIndex(search.column);
        dialog.findChild<QCheckBox *>("EdCaps")->setChecked(search.caseMatters);
        dialog.findChild<QCheckBox *>("EdCzesc")->setChecked(search.fragment);
        dialog.findChild<QRadioButton *>(search.fromBeginning ? "StartBox1" : "StartBox0")->setChecked(true);
        dialog.findChild<QPushButton *>("PostBtn")->click();
    }

    // Searches the ordinary list; the name of the row it then stands on, or "" when it is empty.
    QString find(const Search &search)
    {
        modal.script = [this, search](QDialog &dialog) {
            fill(dialog, search);
            return dialog.result();
        };
        frm.SearchOrdinary();
        EXPECT_FALSE(dm.Zwykle.controlsDisabled());
        return dm.Zwykle.value(search.column == 2 ? "NAZWA1_ODB" : search.column == 1 ? "NAZWA2_NAD" : "NAZWA1_NAD")
            .toString();
    }

    TSzukajFrm frm;
};

}

TEST_F(SearchDialog, StartsWithItsDocumentedOptionsAndIsTheSingleInstance)
{
    EXPECT_EQ(SzukajFrm, &frm);
    EXPECT_EQ(frm.windowTitle(), "Szukaj");
    EXPECT_TRUE(frm.findChild<QLineEdit *>("EdTekst")->text().isEmpty());
    EXPECT_FALSE(frm.findChild<QCheckBox *>("EdCaps")->isChecked());
    EXPECT_TRUE(frm.findChild<QCheckBox *>("EdCzesc")->isChecked());
    EXPECT_TRUE(frm.findChild<QRadioButton *>("StartBox1")->isChecked());
    EXPECT_TRUE(frm.findChild<QPushButton *>("PostBtn")->isDefault());
    for (const auto kind : {TSzukajFrm::Ordinary, TSzukajFrm::Tax, TSzukajFrm::Zus})
        EXPECT_EQ(frm.LastColumn(kind), 0);
}

TEST_F(SearchDialog, TheFourMatchModes)
{
    // Newest first: the list reads Jan KOWALSKI, Kowalski sp. j., Jan Kowalski.
    addOrdinary("Jan Kowalski");
    addOrdinary("Kowalski sp. j.");
    addOrdinary("Jan KOWALSKI");

    EXPECT_EQ(find({"kowal", 0, false, true}), "Jan KOWALSKI");
    EXPECT_EQ(find({"kow", 0, false, false}), "Kowalski sp. j.");
    EXPECT_EQ(find({"Kowal", 0, true, true}), "Kowalski sp. j.");
    EXPECT_EQ(find({"Jan Kow", 0, true, false}), "Jan Kowalski");
    EXPECT_TRUE(messages.warnings.isEmpty());

    // Case matters: "kowal" is nowhere, in any case of its own.
    dm.ReopenOrdinaryList(0);
    EXPECT_EQ(find({"kowal", 0, true, true}), "Jan KOWALSKI");
    EXPECT_EQ(messages.warnings, QStringList{"Nie znaleziono szukanej pozycji."});
    // A value shorter than the text does not begin with it.
    EXPECT_EQ(find({"Jan KOWALSKI i syn", 0, false, false}), "Jan KOWALSKI");
    EXPECT_EQ(messages.warnings.size(), 2);
}

TEST_F(SearchDialog, PolishLettersMatchTheirCapitalsWhenCaseDoesNotMatter)
{
    addOrdinary("ŁĄKA ŚWIĘTOKRZYSKA sp. z o.o.");
    addOrdinary("Zakład");
    EXPECT_EQ(find({"łąka świę", 0, false, false}), "ŁĄKA ŚWIĘTOKRZYSKA sp. z o.o.");
    dm.ReopenOrdinaryList(0);
    EXPECT_EQ(find({"ZAKŁAD", 0, false, true}), "Zakład");
    dm.ReopenOrdinaryList(0);
    EXPECT_EQ(find({"łąka", 0, true, true}), "Zakład");
    EXPECT_EQ(messages.warnings, QStringList{"Nie znaleziono szukanej pozycji."});
}

TEST_F(SearchDialog, FromTheCurrentRowFindsTheNextMatchBelowAndReturnsToTheLastHit)
{
    addOrdinary("Nowak drugi");
    addOrdinary("Inny");
    addOrdinary("Nowak pierwszy");
    addOrdinary("Ostatnio dodany");

    EXPECT_EQ(find({"nowak", 0, false, true, true}), "Nowak pierwszy");
    // The current row itself is not examined again.
    EXPECT_EQ(find({"nowak", 0, false, true, false}), "Nowak drugi");
    EXPECT_TRUE(messages.warnings.isEmpty());
    // Nothing below, and no wrapping to the top: back on the previous hit.
    EXPECT_EQ(find({"nowak", 0, false, true, false}), "Nowak drugi");
    EXPECT_EQ(messages.warnings, QStringList{"Nie znaleziono szukanej pozycji."});
}

TEST_F(SearchDialog, FromTheCurrentRowOnTheLastRowNothingIsExamined)
{
    const qint32 last = addOrdinary("Szukany");
    addOrdinary("Inny");
    dm.ReopenOrdinaryList(last);
    ASSERT_EQ(dm.Zwykle.currentRow(), 1);
    EXPECT_EQ(find({"Szukany", 0, false, true, false}), "Szukany");
    EXPECT_EQ(dm.Zwykle.currentRow(), 1);
    EXPECT_EQ(messages.warnings, QStringList{"Nie znaleziono szukanej pozycji."});
}

TEST_F(SearchDialog, EmptyColumnsNeverMatchAndTheColumnChosenIsSearched)
{
    addTransfer(dm.Zwykle, {{"NAZWA1_NAD", "Adam"}, {"NAZWA1_ODB", "Urząd Miasta"}});
    addTransfer(dm.Zwykle, {{"NAZWA1_NAD", "Urszula"}}); // no recipient: null
    addTransfer(dm.Zwykle, {{"NAZWA1_NAD", "Bogdan"}, {"NAZWA1_ODB", ""}});
    EXPECT_EQ(find({"ur", 2, false, false}), "Urząd Miasta");
    dm.ReopenOrdinaryList(0);
    EXPECT_EQ(find({"ur", 0, false, false}), "Urszula");
}

TEST_F(SearchDialog, AnEmptyTextIsRefusedAndTheDialogStaysOpen)
{
    const qint32 id = addOrdinary("Ktokolwiek");
    int firstResult = -1;
    modal.script = [this, &firstResult](QDialog &dialog) {
        fill(dialog, {""});
        firstResult = dialog.result();
        fill(dialog, {"kto"});
        return dialog.result();
    };
    frm.SearchOrdinary();
    EXPECT_EQ(firstResult, int(QDialog::Rejected));
    EXPECT_EQ(messages.warnings, QStringList{"Należy wprowadzić szukany tekst."});
    EXPECT_EQ(frm.result(), int(QDialog::Accepted));
    EXPECT_EQ(currentId(dm.Zwykle), id);
}

TEST_F(SearchDialog, EachListRemembersItsOwnColumn)
{
    QStringList items;
    int selected = -1;
    auto choose = [&](int column) {
        modal.script = [&items, &selected, column](QDialog &dialog) {
            auto *pole = dialog.findChild<QComboBox *>("EdPole");
            items.clear();
            for (int i = 0; i < pole->count(); ++i)
                items << pole->itemText(i);
            selected = pole->currentIndex();
            if (column >= 0)
                pole->setCurrentIndex(column);
            return int(QDialog::Rejected); // closing without searching remembers the column too
        };
    };

    choose(2);
    frm.SearchOrdinary();
    EXPECT_EQ(items, (QStringList{"Zleceniodawca", "Zleceniodawca cd.", "Odbiorca", "Odbiorca cd."}));
    EXPECT_EQ(selected, 0);

    choose(1);
    frm.SearchZus();
    EXPECT_EQ(items, (QStringList{"Zleceniodawca", "Zleceniodawca cd."}));
    EXPECT_EQ(selected, 0);

    choose(-1);
    frm.SearchOrdinary();
    EXPECT_EQ(selected, 2);
    frm.SearchTax();
    EXPECT_EQ(items.size(), 4);
    EXPECT_EQ(selected, 0);
    frm.SearchZus();
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(frm.LastColumn(TSzukajFrm::Ordinary), 2);
    EXPECT_EQ(frm.LastColumn(TSzukajFrm::Zus), 1);
}

TEST_F(SearchDialog, TheTaxAndZusListsAreSearchedInTheirOwnRows)
{
    addTransfer(dm.Podatkowe, {{"NAZWA1_NAD", "Podatnik"}, {"NAZWA2_ODB", "Urząd Skarbowy"}});
    addTransfer(dm.Podatkowe, {{"NAZWA1_NAD", "Inny"}});
    addTransfer(dm.Zusowe, {{"NAZWA2_NAD", "Płatnik składek"}});
    addTransfer(dm.Zusowe, {{"NAZWA2_NAD", "Inny"}});

    modal.script = [this](QDialog &dialog) {
        fill(dialog, {"skarb", 3});
        return dialog.result();
    };
    frm.SearchTax();
    EXPECT_EQ(dm.Podatkowe.value("NAZWA1_NAD").toString(), "Podatnik");

    modal.script = [this](QDialog &dialog) {
        fill(dialog, {"SKŁADEK", 1});
        return dialog.result();
    };
    frm.SearchZus();
    EXPECT_EQ(dm.Zusowe.value("NAZWA2_NAD").toString(), "Płatnik składek");
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(SearchDialog, TheGridShowsTheFoundRowAfterTheScan)
{
    TMainFrm main;
    for (int i = 0; i < 150; ++i) {
        dm.Zwykle.append();
        dm.Zwykle.setValue("PRZELEWID", dm.NewTransferId());
        dm.Zwykle.setValue("NAZWA1_NAD", QStringLiteral("Kontrahent %1").arg(i));
        dm.Zwykle.setValue("KWOTA", QVariant::fromValue(Money::fromZloty(i)));
        dm.Zwykle.setValue("DATA_WPR", QDateTime::currentDateTime());
        dm.Zwykle.post();
    }
    dm.ReopenOrdinaryList(0);
    // Far below what the list has read so far: the scan fetches on the way.
    EXPECT_EQ(find({"Kontrahent 3", 0, false, false}), "Kontrahent 39");
    const auto *grid = main.findChild<DatasetGrid *>("ZwykleGrid");
    EXPECT_EQ(grid->currentIndex().row(), dm.Zwykle.currentRow());
    EXPECT_EQ(grid->model()->headerData(dm.Zwykle.currentRow(), Qt::Vertical, Qt::DisplayRole).toString(),
              QString(QChar(0x25B6)));
}
