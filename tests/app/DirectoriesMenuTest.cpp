#include "AppFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>

namespace {

class DirectoriesMenu : public AppFixture
{
protected:
    std::unique_ptr<TMainFrm> frm = std::make_unique<TMainFrm>();
};

}

// What a directory opened from the menu adds is committed once the list closes: by the
// list itself (contractors) or by the main window, which reopens the list that reports
// a change.
TEST_F(DirectoriesMenu, WhatTheListAddedIsCommittedWhenItCloses)
{
    struct Case
    {
        const char *action, *list, *editor;
        Dataset TDM::*rows;
    } cases[] = {
        {"AdresaciMnu", "TAdresaciTbl", "TAdresatFrm", &TDM::Adresaci},
        {"UrzedyMnu", "TUrzedyTbl", "TUrzedyFrm", &TDM::Urzedy},
        {"TytulyMnu", "TTytulyTbl", "TTytulFrm", &TDM::Tytuly},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.action);
        modal.titles.clear();
        modal.script = [&c](QDialog &dialog) {
            const auto find = [&dialog](const char *name) { return dialog.findChild<QWidget *>(QLatin1String(name)); };
            if (dialog.objectName() == QLatin1String(c.editor)) {
                static_cast<QLineEdit *>(find("EdNazwa"))->setText(QStringLiteral("NOWY"));
                if (auto *title = find("EdTytul1"))
                    static_cast<QLineEdit *>(title)->setText(QStringLiteral("Tytuł"));
                static_cast<QAbstractButton *>(find("PostBtn"))->click();
            } else if (dialog.objectName() == QLatin1String(c.list)) {
                static_cast<QAbstractButton *>(find("InsertBtn"))->click();
                static_cast<QAbstractButton *>(find("CloseBtn"))->click();
            }
            return dialog.result();
        };
        frm->findChild<QAction *>(QLatin1String(c.action))->trigger();
        EXPECT_EQ(modal.titles.size(), 2);

        QStringList committed;
        {
            TDM other;
            ASSERT_TRUE(other.ConnectDatabase());
            Dataset &rows = other.*c.rows;
            for (int row = 0; row < rows.fetchedCount(); ++row)
                committed << rows.valueAt(row, QStringLiteral("NAZWA")).toString();
        }
        DM = &dm;
        EXPECT_EQ(committed, QStringList{"NOWY"});
    }
}
