#include "BusyCursor.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "MessageRecorder.h"
#include "ModalSeam.h"
#include "RowStore.h"
#include "SaveChecks.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class SavingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db.execute({"insert into TYTULY (TYTULID, NAZWA) values (1001, 'CZYNSZ')",
                    "insert into TYTULY (TYTULID, NAZWA) values (1002, 'PODATEK')"});
        ASSERT_TRUE(dm.ConnectDatabase());
    }

    QStringList names()
    {
        dm.Tytuly.fetchAll();
        QStringList all;
        for (int row = 0; row < dm.Tytuly.fetchedCount(); ++row)
            all << dm.Tytuly.valueAt(row, "NAZWA").toString();
        all.sort();
        return all;
    }

    FreshDatabase db;
    MessageRecorder messages;
    TDM dm;
};

}

Qt::CursorShape cursorShown()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// The busy cursor stands while the store works, and goes with it however it ends.
TEST_F(SavingTest, AFailedStoreLeavesNothingHalfDoneAndIsNeverSilent)
{
    const struct {
        const char *what;
        bool isNew;
        QVariant name;          // invalid: write throws before setting anything
        bool reopenFails;
        StoreResult result;
        QStringList listAfter;
        int warnings;
    } rows[] = {
        {"added", true, "WODA", false, StoreResult::Stored, {"CZYNSZ", "PODATEK", "WODA"}, 0},
        {"changed", false, "ABONAMENT", false, StoreResult::Stored, {"ABONAMENT", "PODATEK"}, 0},
        {"duplicate new", true, "PODATEK", false, StoreResult::Failed, {"CZYNSZ", "PODATEK"}, 1},
        {"duplicate change", false, "PODATEK", false, StoreResult::Failed, {"CZYNSZ", "PODATEK"}, 1},
        {"not null refused", true, "(no name)", false, StoreResult::Failed, {"CZYNSZ", "PODATEK"}, 1},
        {"write throws", true, QVariant(), false, StoreResult::Failed, {"CZYNSZ", "PODATEK"}, 1},
        {"reopen fails", true, "WODA", true, StoreResult::PostedNotShown, {"CZYNSZ", "PODATEK", "WODA"}, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({"delete from TYTULY where TYTULID < 1000", "update TYTULY set NAZWA = 'CZYNSZ' where TYTULID = 1001"});
        dm.ReopenTitles();
        messages.warnings.clear();
        ASSERT_TRUE(dm.Tytuly.locate("TYTULID", 1001));
        Qt::CursorShape whileWriting = Qt::ArrowCursor;
        const StoreResult result = RowStore().Store(
            dm.Tytuly, row.isNew,
            [&] {
                whileWriting = cursorShown();
                if (!row.name.isValid())
                    throw FbError("Brak połączenia z bazą danych", {335544721});
                if (row.isNew)
                    dm.Tytuly.setValue("TYTULID", dm.NewTitleId());
                if (row.name != "(no name)")
                    dm.Tytuly.setValue("NAZWA", row.name);
            },
            [&] {
                if (row.reopenFails)
                    throw FbError("lock conflict on no wait transaction", {335544345});
                dm.ReopenTitles();
            });
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(whileWriting, Qt::WaitCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(dm.Tytuly.state(), Dataset::State::Browse);
        EXPECT_EQ(messages.warnings.size(), row.warnings) << messages.warnings.join('|').toStdString();
        EXPECT_EQ(names(), row.listAfter);
        dm.ReopenTitles(); // what was stored is what the database holds
        EXPECT_EQ(names(), row.listAfter);
    }
}

TEST(SaveChecks, RunInOrderStoppingAtTheFirstMissingFieldAfterEarlierWarnings)
{
    const struct { bool first, warning, second; QStringList shown; bool stored; int focused; } rows[] = {
        {false, false, false, {}, true, -1},
        {true, true, true, {"pierwsze"}, false, 0},
        {false, true, true, {"ostrzeżenie", "drugie"}, false, 1},
        {false, true, false, {"ostrzeżenie"}, true, -1},
    };
    for (const auto &row : rows) {
        MessageRecorder messages;
        QWidget window;
        QLineEdit first(&window), second(&window);
        window.show();
        const bool stored = RunSaveChecks({
            {[&] { return row.first; }, "pierwsze", &first},
            {[&] { return row.warning; }, "ostrzeżenie", nullptr},
            {[&] { return row.second; }, "drugie", &second},
        });
        EXPECT_EQ(stored, row.stored);
        EXPECT_EQ(messages.warnings, row.shown);
        QLineEdit *expected = row.focused == 0 ? &first : row.focused == 1 ? &second : nullptr;
        if (expected) {
            EXPECT_EQ(window.focusWidget(), expected);
        }
    }
}

// A window that asks the user something in the middle of a wait shows the normal cursor;
// the busy one comes back when it closes.
TEST(BusyCursor, ADialogInTheMiddleOfAWaitShowsTheNormalCursor)
{
    Qt::CursorShape inDialog = Qt::WaitCursor;
    ModalSeam::install([&](QDialog &) {
        inDialog = cursorShown();
        return int(QDialog::Accepted);
    });
    {
        const BusyCursor busy;
        QDialog question;
        ModalSeam::run(question);
        EXPECT_EQ(cursorShown(), Qt::WaitCursor);
    }
    ModalSeam::install(nullptr);
    EXPECT_EQ(inDialog, Qt::ArrowCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
