#include "AccountEdit.h"
#include "DirectoryChooser.h"
#include "DirectoryFixture.h"
#include "Money.h"
#include "NameLine.h"
#include "TSzablZwykleTbl.h"
#include "TSzablonZwyklyFrm.h"
#include "TWybierzSzablonZW.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace {

const QString RecipientAccount = QStringLiteral("61109010140000071219812874");
const QString ContractorAccount = QStringLiteral("60102010260000042270201111");
const QString WrongAccount = QStringLiteral("61109010140000071219812875");

class OrdinaryTemplates : public DirectoryFixture
{
protected:
    void SetUp() override
    {
        insert({"insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA1_NAD, NAZWA2_NAD, KONTO) "
                "values (11, 'ALFA', 'Alfa odb.', 'Alfa nad. 1', 'Alfa nad. 2', '60102010260000042270201111')",
                "insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) values (21, 'CZYNSZ', 'Czynsz', 'za marzec')",
                "insert into SZZWYKLE (PRZELEWID, NAZWA, KWOTA) values (31, 'ISTNIEJĄCY', 0)"});
        DirectoryFixture::SetUp();
    }

    // Answers a chooser by choosing the row with that identifier.
    void choose(const char *window, const char *key, qint32 id)
    {
        on(window, [=](QDialog &chooser) {
            EXPECT_TRUE(static_cast<DirectoryChooser &>(chooser).Rows().locate(QLatin1String(key), id));
            return press(chooser, "SelectBtn");
        });
    }

    QVariant stored(const char *column) const { return dm.szZwykle.value(QLatin1String(column)); }
};

}

TEST_F(OrdinaryTemplates, OnlyTheNameIsRequiredAndADuplicateNameKeepsTheEditorOpen)
{
    const struct {
        const char *what;
        QString name;
        QString recipientAccount;
        QStringList warnings;
        bool stored;
        QString senderAccount = {};
    } rows[] = {
        {"a name alone", "TYLKO NAZWA", "", {}, true},
        {"no name", "", RecipientAccount, {"Nazwa szablonu musi być podana."}, false},
        {"a name of blanks names nothing", "   ", RecipientAccount, {"Nazwa szablonu musi być podana."}, false},
        {"a wrong sender account only warns", "ZŁY NADAWCA", "", {"Numer rachunku zleceniodawcy jest nieprawidłowy."},
         true, WrongAccount},
        {"a wrong account only warns", "ZŁE KONTO", WrongAccount, {"Numer rachunku odbiorcy jest nieprawidłowy."}, true},
        {"a duplicate name", "ISTNIEJĄCY", "", {"Nazwa szablonu przelewu nie może się powtarzać!"}, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        const QStringList before = names(dm.szZwykle);
        QString focus, kept;
        on("TSzablonZwyklyFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa", row.name);
            type(editor, "EdKonto_Odb", row.recipientAccount);
            type(editor, "EdKonto_Nad", row.senderAccount);
            const int result = press(editor, "PostBtn");
            focus = focusName(editor);
            kept = control<QLineEdit>(editor, "EdNazwa")->text();
            return result;
        });
        TSzablonZwyklyFrm editor;
        EXPECT_EQ(editor.ShowNew(), row.stored);
        EXPECT_EQ(messages.warnings, row.warnings);
        if (!row.stored) {
            EXPECT_EQ(focus, "EdNazwa");
            EXPECT_EQ(kept, row.name);
            EXPECT_EQ(names(dm.szZwykle), before);
            continue;
        }
        // Committed at once, the list standing on the new template.
        EXPECT_TRUE(committedNames(&TDM::szZwykle).contains(row.name));
        EXPECT_EQ(stored("NAZWA").toString(), row.name);
        EXPECT_EQ(stored("KONTO_ODB").toString(), row.recipientAccount);
        EXPECT_EQ(stored("PRZELEW").toString(), "T");
        EXPECT_EQ(stored("KWOTA").value<Money>(), Money());
        EXPECT_EQ(stored("NAZWA1_NAD").toString(), "");
        for (const char *id : {"ODBIORCAID", "NADAWCAID", "TYTULID"})
            EXPECT_EQ(stored(id).toInt(), 0) << id;
    }
}

TEST_F(OrdinaryTemplates, ChoosersFillTheTemplateAndItsIdentifiersSurviveACorrection)
{
    const struct {
        const char *what;
        const char *kind;
        QString senderAccount;
    } rows[] = {
        {"a transfer takes the sender's account", "Przelew", ContractorAccount},
        {"a deposit keeps the account typed", "Wplata", RecipientAccount},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString name = QString::fromLatin1(row.kind);
        on("TSzablonZwyklyFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa", name);
            click(editor, row.kind);
            type(editor, "EdKonto_Nad", RecipientAccount);
            choose("TWybierzAdresatFrm", "ADRESATID", 11);
            control<NameLine>(editor, "EdNazwa1_Odb")->ChooserAction()->trigger();
            control<NameLine>(editor, "EdNazwa1_Nad")->ChooserAction()->trigger();
            choose("TWybierzTytulFrm", "TYTULID", 21);
            control<NameLine>(editor, "EdTytul1")->ChooserAction()->trigger();
            return press(editor, "PostBtn");
        });
        ASSERT_TRUE(TSzablonZwyklyFrm().ShowNew());
        EXPECT_EQ(stored("NAZWA1_ODB").toString(), "Alfa odb.");
        EXPECT_EQ(stored("KONTO_ODB").toString(), ContractorAccount);
        EXPECT_EQ(stored("NAZWA2_NAD").toString(), "Alfa nad. 2");
        EXPECT_EQ(stored("KONTO_NAD").toString(), row.senderAccount);
        EXPECT_EQ(stored("TYTUL2_ZAPL").toString(), "za marzec");

        // Opened for correction and saved unchanged, it keeps what was chosen.
        on("TSzablonZwyklyFrm", [&](QDialog &editor) { return press(editor, "PostBtn"); });
        ASSERT_TRUE(TSzablonZwyklyFrm().ShowCurrent());
        EXPECT_EQ(stored("NAZWA").toString(), name);
        EXPECT_EQ(stored("ODBIORCAID").toInt(), 11);
        EXPECT_EQ(stored("NADAWCAID").toInt(), 11);
        EXPECT_EQ(stored("TYTULID").toInt(), 21);
        EXPECT_EQ(stored("PRZELEW").toString(), row.kind == QLatin1String("Przelew") ? "T" : "N");
    }
}

TEST_F(OrdinaryTemplates, DeletingTheLastTemplateLeavesNothingToCorrectOrChoose)
{
    bool editEnabled = true, deleteEnabled = true, selectEnabled = true;
    on("TSzablZwykleTbl", [&](QDialog &list) {
        messages.answerNext(true);
        click(list, "DeleteBtn");
        editEnabled = control<QToolButton>(list, "EditBtn")->isEnabled();
        deleteEnabled = control<QToolButton>(list, "DeleteBtn")->isEnabled();
        return int(QDialog::Rejected);
    });
    TSzablZwykleTbl(nullptr).ShowList();
    EXPECT_EQ(messages.questions, QStringList{"Usunąć zaznaczony szablon przelewu z wykazu?"});
    EXPECT_TRUE(names(dm.szZwykle).isEmpty());
    EXPECT_TRUE(committedNames(&TDM::szZwykle).isEmpty());
    EXPECT_FALSE(editEnabled);
    EXPECT_FALSE(deleteEnabled);

    on("TWybierzSzablonZW", [&](QDialog &chooser) {
        selectEnabled = control<QPushButton>(chooser, "SelectBtn")->isEnabled();
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(TWybierzSzablonZW().ShowChooser());
    EXPECT_FALSE(selectEnabled);
}

// A template whose stored amount the program cannot hold opens no editor that would
// show and store 0,00; the user is told why.
TEST_F(OrdinaryTemplates, ATemplateWithAnUnreadableAmountOpensNoEditor)
{
    insert({"update SZZWYKLE set KWOTA = 9999999999999999.99 where PRZELEWID = 31"});
    dm.ReopenOrdinaryTemplates(31);
    on("TSzablZwykleTbl", [&](QDialog &list) {
        click(list, "EditBtn");
        return int(QDialog::Rejected);
    });
    TSzablZwykleTbl(nullptr).ShowList();
    EXPECT_EQ(opened, QStringList{"TSzablZwykleTbl"});
    EXPECT_EQ(messages.warnings, QStringList{"Tej pozycji nie można poprawić: kwota 9999999999999999,99 zapisana w "
                                             "bazie danych jest większa, niż program potrafi odczytać. Można ją tylko usunąć."});
}
