#include "AppFixture.h"
#include "TAdresaciTbl.h"
#include "TSzablPodatTbl.h"
#include "TSzablZwykleTbl.h"
#include "TTytulyTbl.h"
#include "TUrzedyTbl.h"

#include <QAction>
#include <functional>

namespace {

class Refresh : public AppFixture
{
protected:
    bool lists(Dataset &list, const QString &field, const QString &value)
    {
        for (int row = 0; row < list.fetchedCount() || list.fetchMore(100) > 0; ++row)
            if (list.valueAt(row, field).toString() == value)
                return true;
        return false;
    }
};

}

// "Odśwież" (F5) reads the list of the window as another desktop left it, on the row it
// stood on; no event loop runs in between, so nothing else could have read it.
TEST_F(Refresh, F5ReadsTheWindowsListAgainOnItsRow)
{
    struct Case
    {
        const char *what;
        Dataset TDM::*list;
        const char *insert; // %1: the identifier, %2: the name
        const char *field;
        // Runs the check with the window's "Odśwież" action, the list window shown.
        std::function<void(TMainFrm &, const std::function<void(QAction *)> &)> inWindow;
        std::function<void()> before = {}; // opens a list that needs more than its table
    };
    const auto inDirectory = [this](auto makeList) {
        return [this, makeList](TMainFrm &window, const std::function<void(QAction *)> &check) {
            auto list = makeList(window);
            modal.script = [&](QDialog &dialog) {
                check(dialog.findChild<QAction *>("OdswiezAct"));
                return int(QDialog::Rejected);
            };
            list->ShowList();
        };
    };
    const Case cases[] = {
        {"the main window's ordinary orders", &TDM::Zwykle,
         "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KWOTA, DATA_WPR) values (%1, '%2', 1, current_timestamp)",
         "NAZWA1_ODB",
         [](TMainFrm &window, const std::function<void(QAction *)> &check) {
             check(window.findChild<QAction *>("OdswiezMnu"));
         }},
        {"contractors", &TDM::Adresaci, "insert into ADRESACI (ADRESATID, NAZWA) values (%1, '%2')", "NAZWA",
         inDirectory([](TMainFrm &window) { return std::make_unique<TAdresaciTbl>(&window); })},
        {"tax authorities", &TDM::Urzedy, "insert into URZEDY (URZADID, NAZWA) values (%1, '%2')", "NAZWA",
         inDirectory([](TMainFrm &window) { return std::make_unique<TUrzedyTbl>(&window); })},
        {"titles", &TDM::Tytuly, "insert into TYTULY (TYTULID, NAZWA) values (%1, '%2')", "NAZWA",
         inDirectory([](TMainFrm &window) { return std::make_unique<TTytulyTbl>(&window); })},
        {"ordinary templates", &TDM::szZwykle, "insert into SZZWYKLE (PRZELEWID, NAZWA, KWOTA) values (%1, '%2', 1)",
         "NAZWA", inDirectory([](TMainFrm &window) { return std::make_unique<TSzablZwykleTbl>(&window); })},
        // The templates of the contractor added above; the window opens on its first template.
        {"tax templates", &TDM::szPodatkowe,
         "insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (%1, '%2', 901, 1)", "NAZWA",
         [this](TMainFrm &window, const std::function<void(QAction *)> &check) {
             TSzablPodatTbl list(&window);
             modal.script = [&](QDialog &dialog) {
                 dm.szPodatkowe.locate("NAZWA", "STOI");
                 check(dialog.findChild<QAction *>("OdswiezAct"));
                 return int(QDialog::Rejected);
             };
             list.ShowList();
         },
         [this] {
             dm.ReopenContractors(901);
             dm.ReopenTaxTemplates(901, 0);
         }},
    };
    TMainFrm window;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Dataset &list = dm.*c.list;
        if (c.before)
            c.before();
        db.execute({QString(c.insert).arg(901).arg("STOI"), QString(c.insert).arg(902).arg("DRUGI")});
        dm.ReopenOnCurrentRow(list);
        ASSERT_TRUE(list.locate(c.field, "STOI"));
        db.execute({QString(c.insert).arg(903).arg("NOWY")});
        ASSERT_FALSE(lists(list, c.field, "NOWY"));
        ASSERT_TRUE(list.locate(c.field, "STOI"));

        bool checked = false;
        c.inWindow(window, [&](QAction *refresh) {
            ASSERT_TRUE(refresh);
            EXPECT_EQ(refresh->text().remove(u'&'), "Odśwież");
            EXPECT_EQ(refresh->shortcut(), QKeySequence(Qt::Key_F5));
            refresh->trigger();
            EXPECT_EQ(list.value(c.field).toString(), "STOI");
            EXPECT_TRUE(lists(list, c.field, "NOWY"));
            checked = true;
        });
        EXPECT_TRUE(checked);
        EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    }
}

// Another desktop's change is read into the list without this window's doing: the
// buttons that work on a row follow whether the list shows one.
TEST_F(Refresh, TheButtonsFollowAListReadAgainFromOutside)
{
    TMainFrm window;
    const auto buttonsOn = [&window] {
        for (const char *name : {"EditBtn", "DeleteBtn", "FindBtn", "PrintBtn"})
            if (!window.findChild<QWidget *>(name)->isEnabled())
                return false;
        return true;
    };
    const struct {
        const char *what;
        const char *statement;
        bool enabled;
    } rows[] = {
        {"the first order arrives", "insert into ZWYKLE (PRZELEWID, NAZWA1_ODB, KWOTA, DATA_WPR) values (1, 'A', 1, current_timestamp)", true},
        {"the last order goes", "delete from ZWYKLE", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_NE(buttonsOn(), row.enabled);
        db.execute({row.statement});
        dm.ReopenOnCurrentRow(dm.Zwykle);
        EXPECT_EQ(buttonsOn(), row.enabled);
    }
}
