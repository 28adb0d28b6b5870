#include "FOdsetkiTbl.h"
#include "InterestFixture.h"
#include "MoneyEdit.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString Nbsp(QChar(0x00A0));

// "1 026,35 zł" as Polish settings write it: no-break spaces.
QString zl(const char *text)
{
    return QString::fromUtf8(text).replace(u' ', Nbsp) + Nbsp + QStringLiteral("zł");
}

class InterestWindow : public InterestFixture
{
protected:
    template<typename T>
    static T *child(const QDialog &dialog, const char *name)
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }
    static QPushButton *button(const QDialog &dialog, const char *name) { return child<QPushButton>(dialog, name); }

    static void calculate(const QDialog &window, const char *due, const char *paid, const char *amount)
    {
        child<QDateEdit>(window, "EdTerminPlat")->setDate(Day(due));
        child<QDateEdit>(window, "EdDataZapl")->setDate(Day(paid));
        Money value;
        EXPECT_TRUE(Money::parse(QLatin1String(amount), value));
        child<MoneyEdit>(window, "EdKwota")->SetValue(value);
        button(window, "ObliczBtn")->click();
    }

    static QStringList results(const QDialog &window)
    {
        QStringList texts;
        for (const char *name : {"PodatLbl", "PodRazLbl", "UstawLbl", "UstRazLbl"})
            texts << child<QLabel>(window, name)->text();
        return texts;
    }

    static QStringList lines(const QDialog &window, const char *view)
    {
        QStringList texts;
        const QTreeWidget *list = window.findChild<QTreeWidget *>(QLatin1String(view));
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->columnCount(); ++column)
                cells << list->topLevelItem(row)->text(column);
            texts << cells.join(u'|');
        }
        return texts;
    }

    // The tables of the worked example, and 13 % statutory interest since 2003.
    void workedExampleTables()
    {
        addRates(RateKind::Tax, {{"2004-01-01", "12"}, {"2004-05-01", "10"}, {"2003-09-25", "13"}});
        addRates(RateKind::Statutory, {{"2003-01-01", "13"}});
    }

    TOdsetkiTbl frm;
};

struct CalculationCase
{
    const char *name;
    const char *due, *paid, *amount;
    QStringList results;
    int taxLines, statutoryLines;
};

}

TEST_F(InterestWindow, OpensOnTheCalculationWithBothListsOnTheirNewestEntry)
{
    workedExampleTables();
    dm.OdsetkiPod.setCurrentRow(0);
    bool checked = false;
    modal.script = [&](QDialog &window) {
        EXPECT_EQ(child<QTabWidget>(window, "PageControl")->currentIndex(), 0);
        EXPECT_EQ(child<QDateEdit>(window, "EdTerminPlat")->date(), QDate(QDate::currentDate().year(), 1, 2));
        EXPECT_EQ(child<QDateEdit>(window, "EdDataZapl")->date(), QDate::currentDate());
        EXPECT_EQ(results(window), QStringList(4, QString()));
        EXPECT_EQ(dm.OdsetkiPod.currentRow(), 2);
        EXPECT_EQ(dm.OdsetkiPod.value("ODDNIA").toDate(), Day("2004-05-01"));
        EXPECT_EQ(dm.OdsetkiUst.currentRow(), 0);
        for (const char *name : {"DetBtn", "WstawPodatBtn", "WstawUstawBtn"})
            EXPECT_FALSE(button(window, name)->isEnabled()) << name;
        EXPECT_TRUE(button(window, "WstawPodatBtn")->isHidden());
        EXPECT_TRUE(button(window, "WstawUstawBtn")->isHidden());
        checked = true;
        return int(QDialog::Rejected);
    };
    frm.ShowCalculator();
    EXPECT_TRUE(checked);
    EXPECT_EQ(modal.titles, QStringList{"Odsetki"});
}

// Statutory interest at 13 % over the whole time: 87 days x 1000 x 13 / 36500 = 30.986301 -> 30.99.
TEST_F(InterestWindow, CalculationFillsTheResultsAndTheDetails)
{
    workedExampleTables();
    const std::vector<CalculationCase> cases = {
        {"worked example", "2004-03-15", "2004-06-10", "1000",
         {zl("26,35"), zl("1 026,35"), zl("30,99"), zl("1 030,99")}, 2, 1},
        {"paid on the due date", "2004-03-15", "2004-03-15", "1000",
         {zl("0,00"), zl("1 000,00"), zl("0,00"), zl("1 000,00")}, 1, 1},
        // Due before 1.01.1998: no tax-arrears line; statutory 13 % from 2003 only:
        // 1.01.2003-31.01.2003 = 31 days, 31 x 1000 x 13 / 36500 = 11.041095 -> 11.04.
        {"due before the tax table's first day", "1997-12-31", "2003-01-31", "1000",
         {zl("0,00"), zl("1 000,00"), zl("11,04"), zl("1 011,04")}, 0, 1},
        {"no entry up to the payment date", "2002-01-01", "2002-12-31", "1000",
         {zl("0,00"), zl("1 000,00"), zl("0,00"), zl("1 000,00")}, 0, 0},
    };
    modal.script = [&](QDialog &window) {
        if (window.objectName() != "TOdsetkiTbl")
            return int(QDialog::Accepted);
        for (const CalculationCase &c : cases) {
            SCOPED_TRACE(c.name);
            calculate(window, c.due, c.paid, c.amount);
            EXPECT_EQ(results(window), c.results);
            EXPECT_EQ(lines(window, "PodatView").size(), c.taxLines);
            EXPECT_EQ(lines(window, "UstawView").size(), c.statutoryLines);
        }
        calculate(window, "2004-03-15", "2004-06-10", "1000");
        button(window, "DetBtn")->click();
        EXPECT_EQ(lines(window, "PodatView"),
                  (QStringList{"10.06.2004 - 01.05.2004|41|10,00 %|" + zl("11,23"),
                               "30.04.2004 - 15.03.2004|46|12,00 %|" + zl("15,12")}));
        EXPECT_EQ(lines(window, "UstawView"), QStringList{"10.06.2004 - 15.03.2004|87|13,00 %|" + zl("30,99")});
        return int(QDialog::Rejected);
    };
    frm.ShowCalculator();
    EXPECT_EQ(modal.titles, (QStringList{"Odsetki", "Odsetki - szczegóły"}));
}

// A refused calculation leaves the last results, details and buttons as they were.
TEST_F(InterestWindow, RefusedInputsChangeNothing)
{
    workedExampleTables();
    modal.script = [&](QDialog &window) {
        calculate(window, "2004-03-15", "2004-06-10", "1000");
        const QStringList shown = results(window);
        calculate(window, "2004-03-15", "2004-03-14", "2000");
        calculate(window, "2004-03-15", "2004-06-10", "0");
        EXPECT_EQ(results(window), shown);
        EXPECT_EQ(lines(window, "PodatView").size(), 2);
        for (const char *name : {"DetBtn", "WstawPodatBtn", "WstawUstawBtn"})
            EXPECT_TRUE(button(window, name)->isEnabled()) << name;
        return int(QDialog::Rejected);
    };
    frm.ShowForTransfer();
    EXPECT_EQ(messages.warnings, (QStringList{"Data zapłaty nie może być wcześniejsza\rniż termin płatności.",
                                              "Kwota zaległości musi być większa od 0."}));
}

// Tax 12 % and statutory 10.01 % since 2004; 1.03-15.04.2004 = 46 days less the due date = 45:
// 45 x 1000 x 12 / 36500 = 14.794520 -> 14.79; 45 x 1000 x 10.01 / 36500 = 12.341095 -> 12.34.
TEST_F(InterestWindow, InsertButtonsHandBackTheTotalOfTheLastCalculation)
{
    addRates(RateKind::Tax, {{"2004-01-01", "12"}});
    addRates(RateKind::Statutory, {{"2004-01-01", "10.01"}});
    const std::vector<std::pair<const char *, Money>> cases = {
        {"WstawPodatBtn", Money::fromGrosze(101479)},
        {"WstawUstawBtn", Money::fromGrosze(101234)},
    };
    for (const auto &[name, total] : cases) {
        SCOPED_TRACE(name);
        TOdsetkiTbl window;
        modal.script = [&, name = name](QDialog &shown) {
            EXPECT_FALSE(button(shown, name)->isHidden());
            EXPECT_FALSE(button(shown, name)->isEnabled());
            calculate(shown, "2004-03-01", "2004-04-15", "1000");
            // Changed afterwards without calculating again: the hand-back stays.
            child<MoneyEdit>(shown, "EdKwota")->SetValue(Money::fromZloty(5));
            button(shown, name)->click();
            return shown.result();
        };
        EXPECT_TRUE(window.ShowForTransfer());
        EXPECT_EQ(window.ChosenTotal(), total);
    }
    TOdsetkiTbl closed;
    modal.script = [&](QDialog &shown) {
        calculate(shown, "2004-03-01", "2004-04-15", "1000");
        button(shown, "CloseBtn")->click();
        return shown.result();
    };
    EXPECT_FALSE(closed.ShowForTransfer());
}

// A deletion is committed whichever way the window is closed.
TEST_F(InterestWindow, EveryWayOfClosingCommitsTheRateLists)
{
    const std::vector<std::pair<const char *, std::function<void(QDialog &)>>> closings = {
        {"Zamknij", [](QDialog &window) { button(window, "CloseBtn")->click(); }},
        {"Escape",
         [](QDialog &window) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&window, &escape);
         }},
        {"close box", [](QDialog &window) { window.close(); }},
    };
    for (const auto &[name, close] : closings) {
        SCOPED_TRACE(name);
        addRates(RateKind::Statutory, {{"2016-01-01", "7"}});
        TOdsetkiTbl window;
        modal.script = [&, close = close](QDialog &shown) {
            shown.show();
            messages.answerNext(true);
            shown.findChild<QToolButton *>("DeleteUstBtn")->click();
            close(shown);
            EXPECT_FALSE(shown.isVisible());
            return shown.result();
        };
        window.ShowCalculator();
        EXPECT_TRUE(committed(RateKind::Statutory).isEmpty());
    }
}

// The calculation reads in a transaction of its own; a rate just deleted in the list
// must not be charged. 87 days at 12 %: 87 x 1000 x 12 / 36500 = 28.602739 -> 28.60
// (with the deleted 50 % from 1.05 it would be 56.16 + 15.12).
TEST_F(InterestWindow, ARateDeletedInTheListIsNoLongerCharged)
{
    addRates(RateKind::Tax, {{"2004-01-01", "12"}, {"2004-05-01", "50"}});
    modal.script = [&](QDialog &window) {
        messages.answerNext(true);
        window.findChild<QToolButton *>("DeletePodBtn")->click();
        calculate(window, "2004-03-15", "2004-06-10", "1000");
        EXPECT_EQ(child<QLabel>(window, "PodatLbl")->text(), zl("28,60"));
        return int(QDialog::Rejected);
    };
    frm.ShowCalculator();
}

// A calculation that fails half-way (here a rate too large for any money value) is
// reported; the earlier results stay, but no insert button hands back their total
// for the inputs the user has since changed.
TEST_F(InterestWindow, AFailedCalculationLeavesNoTotalToHandBack)
{
    workedExampleTables();
    modal.script = [&](QDialog &window) {
        calculate(window, "2004-03-15", "2004-06-10", "1000");
        const QStringList shown = results(window);
        db.execute({"insert into ODSETKIUST (WPISID, ODDNIA, STOPA) values (gen_id(GEN_WPISID, 1), '2004-01-01', "
                    "900000000000000)"});
        calculate(window, "2004-03-15", "2004-06-10", "999999999");
        EXPECT_EQ(messages.warnings, QStringList{"Kwota odsetek przekracza zakres obsługiwanych kwot."});
        EXPECT_FALSE(dm.trq.isActive());
        EXPECT_EQ(results(window), shown);
        EXPECT_TRUE(button(window, "DetBtn")->isEnabled());
        EXPECT_FALSE(button(window, "WstawPodatBtn")->isEnabled());
        EXPECT_FALSE(button(window, "WstawUstawBtn")->isEnabled());
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(frm.ShowForTransfer());
    EXPECT_EQ(frm.ChosenTotal(), Money());
}

// A rate the program cannot hold opens no editor that would show and store 0 %.
TEST_F(InterestWindow, ARateThatCannotBeReadOpensNoEditor)
{
    db.execute({"insert into ODSETKIPOD (WPISID, ODDNIA, STOPA) values (1, '2004-01-01', 9999999999999999.99)"});
    modal.script = [&](QDialog &window) {
        if (window.objectName() != "TOdsetkiTbl")
            return int(QDialog::Rejected);
        window.findChild<QToolButton *>("EditPodBtn")->click();
        return int(QDialog::Rejected);
    };
    frm.ShowCalculator();
    EXPECT_EQ(modal.titles, QStringList{"Odsetki"});
    EXPECT_EQ(messages.warnings, QStringList{"Tej pozycji nie można poprawić: kwota 9999999999999999,99 zapisana w "
                                             "bazie danych jest większa, niż program potrafi odczytać. Można ją tylko usunąć."});
}

// Each page's "Odśwież" (F5) reads its own table as another desktop left it, and only it.
TEST_F(InterestWindow, EachPagesF5ReadsItsTableAgain)
{
    const struct {
        const char *page;
        RateKind kind, other;
    } rows[] = {{"TabPodatkowe", RateKind::Tax, RateKind::Statutory}, {"TabUstawowe", RateKind::Statutory, RateKind::Tax}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.page);
        const int before = RateList(row.kind).fetchedCount(), otherBefore = RateList(row.other).fetchedCount();
        db.execute({QStringLiteral("insert into %1 (WPISID, ODDNIA, STOPA) values (gen_id(GEN_WPISID, 1), '2020-01-01', 7)")
                        .arg(RateTableName(row.kind)),
                    QStringLiteral("insert into %1 (WPISID, ODDNIA, STOPA) values (gen_id(GEN_WPISID, 1), '2020-01-01', 7)")
                        .arg(RateTableName(row.other))});
        auto *refresh = frm.findChild<QWidget *>(QLatin1String(row.page))->findChild<QAction *>("OdswiezAct");
        ASSERT_TRUE(refresh);
        EXPECT_EQ(refresh->shortcut(), QKeySequence(Qt::Key_F5));
        refresh->trigger();
        RateList(row.kind).fetchAll();
        RateList(row.other).fetchAll();
        EXPECT_EQ(RateList(row.kind).fetchedCount(), before + 1);
        EXPECT_EQ(RateList(row.other).fetchedCount(), otherBefore);
        ReopenRateList(row.other, 0);
    }
}
