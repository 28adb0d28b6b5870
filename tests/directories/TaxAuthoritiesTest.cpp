#include "DirectoryFixture.h"
#include "TUrzedyFrm.h"
#include "TUrzedyTbl.h"
#include "TWybierzUrzadFrm.h"
#include "ValidityMark.h"

#include <QTableView>

namespace {

class TaxAuthorities : public DirectoryFixture
{
protected:
    qint32 addAuthority(const QString &name, const QString &vatAccount = {})
    {
        insert({QStringLiteral("insert into URZEDY (URZADID, NAZWA, KONTOVAT) values (gen_id(GEN_URZADID, 1), '%1', '%2')")
                    .arg(name, vatAccount)});
        dm.ReopenTaxOffices();
        dm.Urzedy.locate(QStringLiteral("NAZWA"), name);
        return dm.Urzedy.value(QStringLiteral("URZADID")).toInt();
    }
    QString stored(const char *column) const { return dm.Urzedy.value(QLatin1String(column)).toString(); }
};

const char *const Accounts[] = {"EdKontoPIT", "EdKontoCIT", "EdKontoVAT", "EdKontoPCC", "EdKontoBud"};

}

TEST_F(TaxAuthorities, SavingChecksTheNameAndStoresEverythingElseAsGiven)
{
    addAuthority(QStringLiteral("US Białystok"));
    struct Case
    {
        QString name, line1;
        QStringList warnings;
        bool stored;
    } cases[] = {
        {"", "", {"Nazwa organu podatkowego musi być podana."}, false},
        {"US Białystok", "", {"Nazwa organu podatkowego nie może się powtarzać!"}, false},
        {"US Kraków", "", {}, true},
        {"US Łódź", "Urząd Skarbowy Łódź-Widzew nr 2", {}, true},   // 31 characters, stored whole
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        messages.warnings.clear();
        const int before = dm.Urzedy.fetchedCount();
        QString focus;
        on("TUrzedyFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa", c.name);
            type(editor, "EdNazwa1", c.line1);
            const int result = press(editor, "PostBtn");
            focus = focusName(editor);
            return result;
        });
        TUrzedyFrm editor;
        EXPECT_EQ(editor.ShowNew(), c.stored);
        EXPECT_EQ(messages.warnings, c.warnings);
        if (!c.stored) {
            EXPECT_EQ(focus, QStringLiteral("EdNazwa"));
            EXPECT_EQ(dm.Urzedy.fetchedCount(), before);
            EXPECT_EQ(dm.Urzedy.state(), Dataset::State::Browse);
            continue;
        }
        EXPECT_EQ(stored("NAZWA"), c.name);
        EXPECT_EQ(stored("NAZWA1"), c.line1);
        for (const char *column : {"NAZWA2", "KONTOPIT", "KONTOCIT", "KONTOVAT", "KONTOPCC", "KONTOBUD"})
            EXPECT_TRUE(dm.Urzedy.value(QLatin1String(column)).isValid() && stored(column).isEmpty()) << column;
    }
}

TEST_F(TaxAuthorities, AStoredFailingAccountIsRedAtOnceAndSavedUnchanged)
{
    const QString failing = QStringLiteral("12345678901234567890123456");
    addAuthority(QStringLiteral("US Warszawa"), failing);
    QStringList red;
    on("TUrzedyFrm", [&](QDialog &editor) {
        for (const char *account : Accounts)
            if (IsMarkedInvalid(control(editor, account)))
                red << QLatin1String(account);
        EXPECT_EQ(control(editor, "EdKontoVAT")->toolTip(), QStringLiteral("Nieprawidłowy numer rachunku bankowego"));
        return press(editor, "PostBtn");
    });
    TUrzedyFrm editor;
    ASSERT_TRUE(editor.ShowCurrent());
    EXPECT_EQ(red, QStringList{"EdKontoVAT"});
    EXPECT_EQ(stored("KONTOVAT"), failing);
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(TaxAuthorities, TheListSharesTheOpenTransactionAndIgnoresDoubleClicks)
{
    addAuthority(QStringLiteral("US Gdańsk"));
    on("TUrzedyTbl", [](QDialog &list) {
        auto *grid = control<QTableView>(list, "UrzedyGrid");
        emit grid->doubleClicked(grid->model()->index(0, 0));
        return press(list, "CloseBtn");
    });
    TUrzedyTbl list;
    list.ShowList();
    EXPECT_EQ(opened, QStringList{"TUrzedyTbl"});
    EXPECT_FALSE(list.Changed());
}

// The list opened from the chooser leaves its changes in the shared open transaction;
// the chooser commits them when the list reports a change, and stands where the user
// left the list.
TEST_F(TaxAuthorities, KartotekaCommitsItsChangesAndTheChooserStandsOnTheNewAuthority)
{
    const qint32 first = addAuthority(QStringLiteral("US Gdańsk"));
    on("TUrzedyFrm", [](QDialog &editor) {
        type(editor, "EdNazwa", QStringLiteral("US Zakopane"));
        type(editor, "EdKontoPIT", QStringLiteral("15101010100165392221000000"));
        return press(editor, "PostBtn");
    });
    on("TUrzedyTbl", [](QDialog &list) {
        click(list, "InsertBtn");
        return press(list, "CloseBtn");
    });
    on("TWybierzUrzadFrm", [](QDialog &chooser) {
        click(chooser, "KartotekaBtn");
        return press(chooser, "SelectBtn");
    });
    TWybierzUrzadFrm chooser;
    ASSERT_TRUE(chooser.ShowAt(first));
    EXPECT_EQ(chooser.Choice().NAZWA, QStringLiteral("US Zakopane"));
    EXPECT_EQ(chooser.Choice().KONTOPIT, QStringLiteral("15101010100165392221000000"));
    EXPECT_GT(chooser.Choice().URZADID, first);
    EXPECT_EQ(committedNames(&TDM::Urzedy), (QStringList{"US Gdańsk", "US Zakopane"}));
}

TEST_F(TaxAuthorities, TheChooserStandsOnTheGivenAuthorityOrWhereTheListStood)
{
    const qint32 gdansk = addAuthority(QStringLiteral("US Gdańsk"));
    const qint32 sopot = addAuthority(QStringLiteral("US Sopot"));
    struct Case
    {
        qint32 id;
        const char *expected;
    } cases[] = {{gdansk, "US Gdańsk"}, {0, "US Sopot"}, {sopot + 100, "US Sopot"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        dm.Urzedy.locate(QStringLiteral("URZADID"), sopot);
        bool enabled = false;
        on("TWybierzUrzadFrm", [&](QDialog &chooser) {
            enabled = control(chooser, "SelectBtn")->isEnabled();
            auto *grid = control<QTableView>(chooser, "UrzadGrid");
            emit grid->doubleClicked(grid->currentIndex());
            return chooser.result();
        });
        TWybierzUrzadFrm chooser;
        ASSERT_TRUE(chooser.ShowAt(c.id));
        EXPECT_TRUE(enabled);
        EXPECT_EQ(chooser.Choice().NAZWA, QString::fromUtf8(c.expected));
    }
}
