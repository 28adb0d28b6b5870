#include "DirectoryFixture.h"
#include "SearchBox.h"
#include "TTytulFrm.h"
#include "TTytulyTbl.h"
#include "TWybierzTytulFrm.h"

#include <QTableView>

namespace {

class Titles : public DirectoryFixture
{
protected:
    void addTitles(const QStringList &names)
    {
        QStringList statements;
        for (const QString &name : names)
            statements << QStringLiteral("insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) "
                                         "values (gen_id(GEN_TYTULID, 1), '%1', 'Tytuł %1', '')")
                              .arg(name);
        insert(statements);
        dm.ReopenTitles();
    }
    qint32 idOf(const QString &name)
    {
        EXPECT_TRUE(dm.Tytuly.locate(QStringLiteral("NAZWA"), name)) << name.toStdString();
        return dm.Tytuly.value(QStringLiteral("TYTULID")).toInt();
    }

    // An editor that types the three fields and presses "&Zapisz" once.
    Handler typeAndSave(const QString &name, const QString &title1, const QString &title2 = {})
    {
        return [=, this](QDialog &editor) {
            type(editor, "EdNazwa", name);
            type(editor, "EdTytul1", title1);
            type(editor, "EdTytul2", title2);
            const int result = press(editor, "PostBtn");
            focus = focusName(editor);
            return result;
        };
    }

    QString focus;
};

}

TEST_F(Titles, SavingChecksInOrderAndStoresTheLinesWhole)
{
    const QString long28 = QStringLiteral("Zapłata za żółte łódki nr 12");   // 28 characters
    const QString long50 = QString(49, u'ś') + u'Ź';
    ASSERT_EQ(long28.size(), 28);
    struct Case
    {
        QString name, title1, title2;
        QStringList warnings;
        const char *focus;
        bool stored;
    } cases[] = {
        {"", "", "", {"Nazwa tytułu zapłaty musi być podana."}, "EdNazwa", false},
        {"  ", "Tytuł", "", {"Nazwa tytułu zapłaty musi być podana."}, "EdNazwa", false},
        {"Czynsz", "", "drugi wiersz", {"Tytuł zapłaty musi być podany."}, "EdTytul1", false},
        {"Czynsz", "Zapłata za czynsz", "", {}, "", true},
        {"Łódki", long28, long50, {}, "", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString() + " / " + c.title1.toStdString());
        messages.warnings.clear();
        focus.clear();
        on("TTytulFrm", typeAndSave(c.name, c.title1, c.title2));
        TTytulFrm editor;
        EXPECT_EQ(editor.ShowNew(), c.stored);
        EXPECT_EQ(messages.warnings, c.warnings);
        if (!c.stored) {
            EXPECT_EQ(focus, QLatin1String(c.focus));
            EXPECT_FALSE(names(dm.Tytuly).contains(c.name));
            continue;
        }
        EXPECT_EQ(dm.Tytuly.value(QStringLiteral("NAZWA")).toString(), c.name);
        EXPECT_EQ(dm.Tytuly.value(QStringLiteral("TYTUL1")).toString(), c.title1);
        const QVariant second = dm.Tytuly.value(QStringLiteral("TYTUL2"));
        EXPECT_TRUE(second.isValid()) << "an empty line is stored as an empty text";
        EXPECT_EQ(second.toString(), c.title2);
        EXPECT_EQ(dm.Tytuly.state(), Dataset::State::Browse);
    }
}

TEST_F(Titles, ADuplicateNameIsReportedOnceAndTheEditorStaysOpenForAnotherTry)
{
    addTitles({"FAKTURA", "ODSETKI"});
    const QString duplicate = QStringLiteral("Nazwa tytułu zapłaty nie może się powtarzać!");
    for (const bool adding : {true, false}) {
        SCOPED_TRACE(adding ? "adding" : "correcting");
        messages.warnings.clear();
        dm.ReopenTitles();
        idOf(QStringLiteral("ODSETKI"));
        const QString corrected = adding ? QStringLiteral("PROWIZJA") : QStringLiteral("PROWIZJA BANKU");
        const QStringList before = names(dm.Tytuly);
        int attempt = 0;
        QString nameAfterFirstTry;
        on("TTytulFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa", QStringLiteral("FAKTURA"));
            type(editor, "EdTytul1", QStringLiteral("Nowy tytuł"));
            EXPECT_EQ(press(editor, "PostBtn"), QDialog::Rejected);
            ++attempt;
            nameAfterFirstTry = control<QLineEdit>(editor, "EdNazwa")->text();
            EXPECT_EQ(focusName(editor), QStringLiteral("EdNazwa"));
            EXPECT_EQ(dm.Tytuly.state(), Dataset::State::Browse);
            EXPECT_EQ(names(dm.Tytuly), before);
            type(editor, "EdNazwa", corrected);
            return press(editor, "PostBtn");
        });
        TTytulFrm editor;
        EXPECT_TRUE(adding ? editor.ShowNew() : editor.ShowCurrent());
        EXPECT_EQ(attempt, 1);
        EXPECT_EQ(nameAfterFirstTry, QStringLiteral("FAKTURA"));
        EXPECT_EQ(messages.warnings, QStringList{duplicate});
        EXPECT_TRUE(names(dm.Tytuly).contains(corrected));
        EXPECT_EQ(names(dm.Tytuly).contains(QStringLiteral("ODSETKI")), adding);
    }
}

TEST_F(Titles, TheListEnablesItsButtonsByRowsAndReportsEveryChange)
{
    struct Case
    {
        const char *name;
        bool withRow;
        std::function<void(QDialog &)> act;
        bool changed;
    } cases[] = {
        {"empty list, double click", false,
         [](QDialog &list) {
             auto *grid = control<QTableView>(list, "TytulyGrid");
             emit grid->doubleClicked(grid->model()->index(0, 0));
         },
         false},
        {"add", false,
         [this](QDialog &list) {
             on("TTytulFrm", typeAndSave(QStringLiteral("Nowy"), QStringLiteral("Tytuł")));
             click(list, "InsertBtn");
             EXPECT_TRUE(control(list, "EditBtn")->isEnabled());
         },
         true},
        {"add cancelled", true, [](QDialog &list) { click(list, "InsertBtn"); }, false},
        {"correct", true,
         [this](QDialog &list) {
             on("TTytulFrm", [](QDialog &editor) { return press(editor, "PostBtn"); });
             click(list, "EditBtn");
         },
         true},
        {"correct by double click", true,
         [this](QDialog &list) {
             on("TTytulFrm", [](QDialog &editor) { return press(editor, "PostBtn"); });
             auto *grid = control<QTableView>(list, "TytulyGrid");
             emit grid->doubleClicked(grid->model()->index(0, 0));
         },
         true},
        {"correct cancelled", true, [](QDialog &list) { click(list, "EditBtn"); }, false},
        {"delete answered No", true, [](QDialog &list) { click(list, "DeleteBtn"); }, false},
        {"delete the only row", true,
         [this](QDialog &list) {
             messages.answerNext(true);
             click(list, "DeleteBtn");
             EXPECT_FALSE(control(list, "EditBtn")->isEnabled());
             EXPECT_FALSE(control(list, "DeleteBtn")->isEnabled());
         },
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        dm.ReopenTitles(); // commits what the previous case changed, which would hold its locks
        insert({QStringLiteral("delete from TYTULY")});
        if (c.withRow)
            addTitles({"JEDYNY"});
        else
            dm.ReopenTitles();
        handlers.clear();
        opened.clear();
        messages.questions.clear();
        bool editEnabled = false;
        on("TTytulyTbl", [&](QDialog &list) {
            editEnabled = control(list, "EditBtn")->isEnabled();
            EXPECT_EQ(control(list, "DeleteBtn")->isEnabled(), editEnabled);
            c.act(list);
            return press(list, "CloseBtn");
        });
        TTytulyTbl list;
        list.ShowList();
        EXPECT_EQ(editEnabled, c.withRow);
        EXPECT_EQ(list.Changed(), c.changed);
        if (QString::fromLatin1(c.name).startsWith(QLatin1String("delete"))) {
            EXPECT_EQ(messages.questions, QStringList{"Usunąć zaznaczony tytuł zapłaty z wykazu?"});
        }
        if (QString::fromLatin1(c.name).startsWith(QLatin1String("empty"))) {
            EXPECT_EQ(opened, QStringList{"TTytulyTbl"});
        }
    }
}

TEST_F(Titles, TheChooserStandsOnTheLastChosenTitleAndHandsItBack)
{
    addTitles({"CZYNSZ", "FAKTURA", "ODSETKI"});
    const qint32 faktura = idOf(QStringLiteral("FAKTURA"));
    struct Case
    {
        qint32 id;
        const char *expected;
    } cases[] = {{faktura, "FAKTURA"}, {0, "ODSETKI"}, {99999, "ODSETKI"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        idOf(QStringLiteral("ODSETKI"));
        on("TWybierzTytulFrm", [](QDialog &chooser) {
            EXPECT_TRUE(control(chooser, "SelectBtn")->isEnabled());
            return press(chooser, "SelectBtn");
        });
        TWybierzTytulFrm chooser;
        ASSERT_TRUE(chooser.ShowAt(c.id));
        EXPECT_EQ(chooser.Choice().NAZWA, QString::fromUtf8(c.expected));
        EXPECT_EQ(chooser.Choice().TYTUL1, QStringLiteral("Tytuł ") + QLatin1String(c.expected));
        EXPECT_EQ(chooser.Choice().TYTUL2, QString());
        EXPECT_EQ(chooser.Choice().TYTULID, idOf(QLatin1String(c.expected)));
    }
}

TEST_F(Titles, AnEmptyChooserOffersNothingToChoose)
{
    bool selectEnabled = true;
    on("TWybierzTytulFrm", [&](QDialog &chooser) {
        selectEnabled = control(chooser, "SelectBtn")->isEnabled();
        auto *grid = control<QTableView>(chooser, "TytulGrid");
        emit grid->doubleClicked(grid->model()->index(0, 0));
        return chooser.result();
    });
    TWybierzTytulFrm chooser;
    EXPECT_FALSE(chooser.ShowAt(0));
    EXPECT_FALSE(selectEnabled);
}

TEST_F(Titles, ATitleAddedThroughKartotekaIsCommittedOfferedAndChosen)
{
    addTitles({"FAKTURA"});
    on("TTytulFrm", typeAndSave(QStringLiteral("ABONAMENT"), QStringLiteral("Abonament za grudzień")));
    on("TTytulyTbl", [](QDialog &list) {
        click(list, "InsertBtn");
        return press(list, "CloseBtn");
    });
    bool enabledAfterwards = false;
    on("TWybierzTytulFrm", [&](QDialog &chooser) {
        click(chooser, "KartotekaBtn");
        enabledAfterwards = control(chooser, "SelectBtn")->isEnabled();
        return press(chooser, "SelectBtn");
    });
    TWybierzTytulFrm chooser;
    ASSERT_TRUE(chooser.ShowAt(0));
    EXPECT_TRUE(enabledAfterwards);
    EXPECT_EQ(chooser.Choice().NAZWA, QStringLiteral("ABONAMENT"));
    EXPECT_EQ(chooser.Choice().TYTUL1, QStringLiteral("Abonament za grudzień"));
    EXPECT_EQ(committedNames(&TDM::Tytuly), (QStringList{"ABONAMENT", "FAKTURA"}));
}

TEST_F(Titles, SearchingInTheChooserReachesRowsNotYetRead)
{
    QStringList many;
    for (int i = 0; i < 150; ++i)
        many << QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0'));
    addTitles(many + QStringList{"ŻYCZENIA", "Czynsz", "CZYSZCZENIE"});
    struct Case
    {
        const char *typed;
        const char *chosen;
    } cases[] = {
        {"czy", "Czynsz"}, {"cZyS", "CZYSZCZENIE"}, {"życ  ", "ŻYCZENIA"}, {"czyx", "A000"}, {"", "A000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        dm.Tytuly.setCurrentRow(0);
        on("TWybierzTytulFrm", [&](QDialog &chooser) {
            control<SearchBox>(chooser, "SearchBox")->Edit()->setText(QString::fromUtf8(c.typed));
            return press(chooser, "SelectBtn");
        });
        TWybierzTytulFrm chooser;
        ASSERT_TRUE(chooser.ShowAt(0));
        EXPECT_EQ(chooser.Choice().NAZWA, QString::fromUtf8(c.chosen));
    }
}
