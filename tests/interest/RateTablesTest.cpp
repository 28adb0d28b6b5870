#include "DatasetGrid.h"
#include "InterestFixture.h"
#include "RateEdit.h"
#include "FOdsetkiTbl.h"
#include "RowConflict.h"

#include <QDateEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

class RateTables : public InterestFixture
{
protected:
    void SetUp() override
    {
        InterestFixture::SetUp();
        frm.OpenRateLists();
    }

    QToolButton *button(const char *name) const { return frm.findChild<QToolButton *>(QLatin1String(name)); }
    QToolButton *insertButton(RateKind kind) const
    {
        return button(kind == RateKind::Tax ? "InsertPodBtn" : "InsertUstBtn");
    }

    // Answers the rate editor: the day and rate typed (when given), then "Zapisz" once.
    // Records what the editor showed on opening and whether it closed.
    void saveWith(const char *day, const char *rate)
    {
        modal.script = [this, day, rate](QDialog &editor) {
            auto *dayField = editor.findChild<QDateEdit *>(QStringLiteral("EdOdDnia"));
            auto *rateField = editor.findChild<RateEdit *>(QStringLiteral("EdStopa"));
            opened = dayField->date().toString(Qt::ISODate) + u' ' + rateField->Value().toPlainString();
            if (day)
                dayField->setDate(Day(day));
            if (rate) {
                Money value;
                EXPECT_TRUE(Money::parse(QLatin1String(rate), value));
                rateField->SetValue(value);
            }
            editor.findChild<QPushButton *>(QStringLiteral("PostBtn"))->click();
            closed = editor.result() == QDialog::Accepted;
            return editor.result();
        };
    }

    TOdsetkiTbl frm;
    QString opened;
    bool closed = false;
};

struct SaveCase
{
    RateKind kind;
    const char *day;
    const char *rate;
    QStringList warnings;   // empty: the entry is stored
};

}

// The day is checked before the rate, each against its table; a refused entry leaves
// the editor open and nothing stored, an accepted one is committed at once.
TEST_F(RateTables, EditorRefusesADayBeforeTheTablesFirstDayThenARateNotAboveZero)
{
    const RateKind tax = RateKind::Tax, statutory = RateKind::Statutory;
    const QString tooEarlyTax = QStringLiteral("Data nie może być wcześniejsza niż 01.01.1998 r.");
    const QString tooEarlyStatutory = QStringLiteral("Data nie może być wcześniejsza niż 01.01.1965 r.");
    const QString noRate = QStringLiteral("Stopa odsetek musi być większa od 0.");
    const std::vector<SaveCase> cases = {
        {tax, "1997-12-31", "5", {tooEarlyTax}},
        {tax, "1998-01-01", "5", {}},
        {statutory, "1964-12-31", "5", {tooEarlyStatutory}},
        {statutory, "1965-01-01", "5", {}},
        {tax, "1997-12-31", "0", {tooEarlyTax}},
        {tax, "2004-01-01", "0", {noRate}},
        {tax, "2004-01-01", "0.01", {}},
    };
    for (const SaveCase &c : cases) {
        SCOPED_TRACE(std::string(c.day) + " " + c.rate);
        messages.warnings.clear();
        modal.titles.clear();
        const QStringList before = committed(c.kind);
        saveWith(c.day, c.rate);
        insertButton(c.kind)->click();

        EXPECT_EQ(modal.titles, QStringList{c.kind == tax ? "Odsetki podatkowe" : "Odsetki ustawowe"});
        EXPECT_EQ(opened, QDate::currentDate().toString(Qt::ISODate) + " 0.00");
        EXPECT_EQ(messages.warnings, c.warnings);
        EXPECT_EQ(closed, c.warnings.isEmpty());
        QStringList expected = before;
        if (c.warnings.isEmpty()) {
            Money rate;
            Money::parse(QLatin1String(c.rate), rate);
            expected << QString::fromLatin1(c.day) + u' ' + rate.toPlainString();
            expected.sort();
        }
        EXPECT_EQ(committed(c.kind), expected);
    }
}

TEST_F(RateTables, ASavedEntryTakesItsPlaceByDayAndIsSelected)
{
    addRates(RateKind::Tax, {{"2004-01-01", "12"}, {"2004-05-01", "10"}});
    saveWith("2004-03-01", "11.5");
    button("InsertPodBtn")->click();
    EXPECT_EQ(shown(RateKind::Tax), (QStringList{"2004-01-01 12.00", "2004-03-01 11.50", "2004-05-01 10.00"}));
    EXPECT_EQ(dm.OdsetkiPod.currentRow(), 1);
    EXPECT_EQ(frm.findChild<DatasetGrid *>("PodatGrid")->currentIndex().row(), 1);

    // Editing starts from the entry where the list stands and keeps its identifier.
    const int id = dm.OdsetkiPod.value("WPISID").toInt();
    saveWith("2004-06-01", "9");
    button("EditPodBtn")->click();
    EXPECT_EQ(opened, "2004-03-01 11.50");
    EXPECT_EQ(committed(RateKind::Tax), (QStringList{"2004-01-01 12.00", "2004-05-01 10.00", "2004-06-01 9.00"}));
    EXPECT_EQ(dm.OdsetkiPod.currentRow(), 2);
    EXPECT_EQ(dm.OdsetkiPod.value("WPISID").toInt(), id);
}

TEST_F(RateTables, EditAndDeleteNeedAnEntryAndADoubleClickEditsOnlyThen)
{
    EXPECT_FALSE(button("EditUstBtn")->isEnabled());
    EXPECT_FALSE(button("DeleteUstBtn")->isEnabled());
    EXPECT_TRUE(button("InsertUstBtn")->isEnabled());
    frm.UstawGridDblClick();
    EXPECT_TRUE(modal.titles.isEmpty());

    saveWith("2016-01-01", "7");
    button("InsertUstBtn")->click();
    EXPECT_TRUE(button("EditUstBtn")->isEnabled());
    EXPECT_TRUE(button("DeleteUstBtn")->isEnabled());
    saveWith(nullptr, "5");
    frm.UstawGridDblClick();
    EXPECT_EQ(opened, "2016-01-01 7.00");
    EXPECT_EQ(shown(RateKind::Statutory), QStringList{"2016-01-01 5.00"});

    messages.answerNext(true);
    button("DeleteUstBtn")->click();
    EXPECT_FALSE(button("EditUstBtn")->isEnabled());
    EXPECT_FALSE(button("DeleteUstBtn")->isEnabled());
}

// A deletion is committed at once, as a save is: the other desktops no longer charge
// the rate, and it is not lost with the connection.
TEST_F(RateTables, ADeletionIsCommittedAtOnce)
{
    addRates(RateKind::Tax, {{"2004-01-01", "12"}, {"2004-05-01", "10"}});

    messages.answerNext(false);
    button("DeletePodBtn")->click();
    EXPECT_EQ(messages.questions, QStringList{"Usunąć bieżącą pozycję z wykazu?"});
    EXPECT_EQ(shown(RateKind::Tax).size(), 2);

    messages.answerNext(true);
    button("DeletePodBtn")->click();
    EXPECT_EQ(shown(RateKind::Tax), QStringList{"2004-01-01 12.00"});
    EXPECT_EQ(committed(RateKind::Tax), QStringList{"2004-01-01 12.00"});
}

// Another desktop changed or removed the entry after this list read it. Read committed,
// the list would store over that change unseen: the change touches no row, the list
// is read afresh, and the user is asked (or told, for an entry already gone).
TEST_F(RateTables, AnotherDesktopsChangeOfAnEntryIsNeverOverwrittenUnasked)
{
    const QString deleteQuestion = QStringLiteral("Usunąć bieżącą pozycję z wykazu?");
    const struct {
        const char *what;
        const char *otherDesktop;
        const char *button;
        bool answer;
        QStringList questions, warnings;
        QStringList shownAfter;
    } rows[] = {
        {"changed, rate stored over it", "update ODSETKIPOD set STOPA = 20", "EditPodBtn", true,
         {RowConflict::ChangedQuestion}, {}, {"2004-01-01 9.00"}},
        {"changed, theirs kept", "update ODSETKIPOD set STOPA = 20", "EditPodBtn", false,
         {RowConflict::ChangedQuestion}, {}, {"2004-01-01 20.00"}},
        {"removed, stored again", "delete from ODSETKIPOD", "EditPodBtn", true, {RowConflict::DeletedQuestion}, {},
         {"2004-01-01 9.00"}},
        {"removed, left removed", "delete from ODSETKIPOD", "EditPodBtn", false, {RowConflict::DeletedQuestion}, {},
         {}},
        {"changed, deleted all the same", "update ODSETKIPOD set STOPA = 20", "DeletePodBtn", true,
         {deleteQuestion, RowConflict::ChangedBeforeDeleteQuestion}, {}, {}},
        {"changed, kept", "update ODSETKIPOD set STOPA = 20", "DeletePodBtn", false,
         {deleteQuestion, RowConflict::ChangedBeforeDeleteQuestion}, {}, {"2004-01-01 20.00"}},
        {"removed before the deletion", "delete from ODSETKIPOD", "DeletePodBtn", true, {deleteQuestion},
         {RowConflict::AlreadyDeleted}, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        // A deletion here is made durable only by the next save or the window's closing.
        CommitRateList(RateKind::Tax);
        db.execute({"delete from ODSETKIPOD"});
        addRates(RateKind::Tax, {{"2004-01-01", "12"}});
        messages.questions.clear();
        messages.warnings.clear();
        db.execute({QString::fromLatin1(row.otherDesktop)});
        saveWith(nullptr, "9");
        // Every question is answered: the deletion's own first, then the conflict's.
        for (qsizetype question = 0; question < row.questions.size(); ++question)
            messages.answerNext(question + 1 < row.questions.size() || row.answer);
        button(row.button)->click();
        EXPECT_EQ(messages.questions, row.questions);
        EXPECT_EQ(messages.warnings, row.warnings);
        EXPECT_EQ(dm.OdsetkiPod.state(), Dataset::State::Browse);
        EXPECT_EQ(shown(RateKind::Tax), row.shownAfter);
    }
}
