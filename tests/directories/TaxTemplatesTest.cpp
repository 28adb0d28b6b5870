#include "DirectoryChooser.h"
#include "DirectoryFixture.h"
#include "Globals.h"
#include "NameLine.h"
#include "TSzablPodatTbl.h"
#include "TSzablonPodatFrm.h"
#include "TaxOrderFields.h"
#include "ValidityMark.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QToolButton>

namespace {

const QString Pit = QStringLiteral("83101010230000261395100000");
const QString Vat = QStringLiteral("73101010230000261395300000");
const QString PayerAccount = QStringLiteral("61109010140000071219812874");

// Contractors Adamski (1, templates Zeta and Alfa), Borowy (2, template Beta) and
// Celny (3, no template); one tax authority (1).
class TaxTemplatesTest : public DirectoryFixture
{
public:
    using DirectoryFixture::dm;
    using DirectoryFixture::on;

    void SetUp() override
    {
        insert({QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA) values (1, 'Adamski')"),
                QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA) values (2, 'Borowy')"),
                QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA) values (3, 'Celny')"),
                QStringLiteral("insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA, PRZELEW, KONTO_NAD, "
                               "IDENTYF, TYPIDENTYF) values (101, 'Zeta', 1, 10, 'N', '%1', '123', 'N')")
                    .arg(PayerAccount),
                QStringLiteral("insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA, PRZELEW, KONTO_NAD, "
                               "IDENTYF, TYPIDENTYF) values (102, 'Alfa', 1, 20, 'T', '%1', '123', 'N')")
                    .arg(PayerAccount),
                QStringLiteral("insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (103, 'Beta', 2, 30)"),
                QStringLiteral("insert into URZEDY (URZADID, NAZWA, NAZWA1, KONTOPIT, KONTOVAT) "
                               "values (1, 'US', 'Urząd Skarbowy', '%1', '%2')")
                    .arg(Pit, Vat)});
        DirectoryFixture::SetUp();
    }

    // The template names shown, the current one marked with "*".
    QStringList templates()
    {
        Dataset &rows = dm.szPodatkowe;
        const int current = rows.currentRow();
        QStringList shown = names(rows);
        if (current >= 0)
            shown[current] += u'*';
        rows.setCurrentRow(current);
        return shown;
    }
    static bool enabled(const QDialog &list, const char *button) { return control<QToolButton>(list, button)->isEnabled(); }
    void moveContractor(qint32 id) { EXPECT_TRUE(dm.Adresaci.locate(QStringLiteral("ADRESATID"), id)); }
    void chooseAuthority(const QDialog &editor)
    {
        on(QStringLiteral("TWybierzUrzadFrm"), [](QDialog &chooser) {
            dynamic_cast<DirectoryChooser &>(chooser).Rows().locate(QStringLiteral("URZADID"), 1);
            return press(chooser, "SelectBtn");
        });
        control<NameLine>(editor, "EdNazwa1_Odb")->ChooserAction()->trigger();
    }
    static void pick(const QDialog &dialog, const char *name, const QString &entry)
    {
        auto *combo = control<QComboBox>(dialog, name);
        const int index = combo->findText(entry);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Runs the list with the steps inside it.
    void inList(const std::function<void(QDialog &)> &steps)
    {
        on(QStringLiteral("TSzablPodatTbl"), [steps](QDialog &list) {
            steps(list);
            return int(QDialog::Rejected);
        });
        TSzablPodatTbl list;
        list.ShowList();
    }
    QString stored(qint32 id, const char *column)
    {
        Dataset &rows = dm.q;
        dm.OpenQuery(QStringLiteral("select %1 from SZPODATKOWE where PRZELEWID=%2").arg(QLatin1String(column)).arg(id));
        return rows.isEmpty() ? QStringLiteral("<none>") : rows.valueAt(0, 0).toString();
    }
};

}

TEST_F(TaxTemplatesTest, TheTemplatesFollowTheContractorAndBothSearchesMoveTheirGrid)
{
    const struct {
        const char *step;
        std::function<void(TaxTemplatesTest &, QDialog &)> act;
        QStringList shown;
        bool editable;
    } steps[] = {
        {"opening on the first contractor", [](auto &, QDialog &) {}, {"Alfa*", "Zeta"}, true},
        {"another contractor", [](auto &t, QDialog &) { t.moveContractor(2); }, {"Beta*"}, true},
        {"a contractor without templates", [](auto &t, QDialog &) { t.moveContractor(3); }, {}, false},
        {"searching the contractors",
         [](auto &, QDialog &l) { control<QGroupBox>(l, "EdKontrah")->findChild<QLineEdit *>()->setText("ada"); },
         {"Alfa*", "Zeta"}, true},
        {"searching the templates",
         [](auto &, QDialog &l) { control<QGroupBox>(l, "EdSzablon")->findChild<QLineEdit *>()->setText("ZE"); },
         {"Alfa", "Zeta*"}, true},
        {"the contractors list read again on the same contractor keeps the place",
         [](auto &t, QDialog &) { t.dm.ReopenContractors(1); }, {"Alfa", "Zeta*"}, true},
    };
    inList([&](QDialog &list) {
        EXPECT_EQ(list.windowTitle(), QStringLiteral("Przelew podatkowy - szablon"));
        for (const auto &step : steps) {
            SCOPED_TRACE(step.step);
            step.act(*this, list);
            EXPECT_EQ(templates(), step.shown);
            EXPECT_EQ(enabled(list, "EditBtn"), step.editable);
            EXPECT_EQ(enabled(list, "DeleteBtn"), step.editable);
        }
    });
}

TEST_F(TaxTemplatesTest, DeletingTheLastTemplateStaysOnItsContractorAndAddingNeedsAContractor)
{
    inList([&](QDialog &list) {
        moveContractor(2);
        messages.answerNext(true);
        click(list, "DeleteBtn");
        EXPECT_EQ(messages.questions, QStringList{"Usunąć zaznaczony szablon przelewu z wykazu?"});
        EXPECT_EQ(templates(), QStringList());
        EXPECT_FALSE(enabled(list, "EditBtn"));
        EXPECT_EQ(stored(103, "NAZWA"), QStringLiteral("<none>"));

        // "&Dodaj" on the emptied list still adds to that contractor.
        on(QStringLiteral("TSzablonPodatFrm"), [](QDialog &editor) {
            type(editor, "EdNazwa", QStringLiteral("Nowy"));
            return press(editor, "PostBtn");
        });
        click(list, "InsertBtn");
        EXPECT_EQ(templates(), QStringList{"Nowy*"});
        EXPECT_EQ(dm.szPodatkowe.value(QStringLiteral("KONTRAHID")).toInt(), 2);
    });

    insert({QStringLiteral("delete from SZPODATKOWE"), QStringLiteral("delete from ADRESACI")});
    dm.ReopenContractors(0);
    opened.clear();
    inList([&](QDialog &list) {
        click(list, "InsertBtn");
        EXPECT_FALSE(enabled(list, "EditBtn"));
    });
    EXPECT_EQ(opened, QStringList{"TSzablPodatTbl"}) << "no editor without a contractor";
}

TEST_F(TaxTemplatesTest, AnOpenEditorKeepsToItsTemplateWhileTheContractorListMovesUnderIt)
{
    const struct {
        const char *what;
        const char *button;
        QString name;
    } rows[] = {
        {"correcting Alfa", "EditBtn", "Alfa 2"},
        {"adding to Adamski", "InsertBtn", "Nowy"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        inList([&](QDialog &list) {
            moveContractor(1);
            on(QStringLiteral("TSzablonPodatFrm"), [&](QDialog &editor) {
                // As "&Kartoteka" of the contractor chooser may: moved, then read again.
                moveContractor(2);
                dm.ReopenContractors(2);
                type(editor, "EdNazwa", row.name);
                return press(editor, "PostBtn");
            });
            click(list, row.button);
            // Back in the list, it follows the contractor it was moved to.
            EXPECT_EQ(templates(), QStringList{"Beta*"});
        });
        dm.OpenQuery(QStringLiteral("select KONTRAHID from SZPODATKOWE where NAZWA='%1'").arg(row.name));
        ASSERT_FALSE(dm.q.isEmpty());
        EXPECT_EQ(dm.q.valueAt(0, 0).toInt(), 1);
        EXPECT_EQ(stored(103, "NAZWA"), QStringLiteral("Beta"));
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();
}

TEST_F(TaxTemplatesTest, TheEditorFillsAccountsAndIdentifiersAsTemplatesDo)
{
    const struct {
        const char *what;
        qint32 templateId;  // 0: a new template of Adamski
        std::function<void(TaxTemplatesTest &, QDialog &)> act;
        QString account, payerAccount, identifier;  // shown, and the payer account also stored
        QStringList before = {};                    // run on the database before the editor opens
        const char *column = nullptr;               // a further column and what saving leaves in it
        QString kept = {};
        QStringList warnings = {};
    } rows[] = {
        {"a new template's (inny) takes the PIT account", 0, [](auto &t, QDialog &e) { t.chooseAuthority(e); }, Pit,
         "", ""},
        {"VAT with the micro-account switched off", 0,
         [](auto &t, QDialog &e) {
             t.chooseAuthority(e);
             pick(e, "EdRodzajRach", QStringLiteral("VAT"));
             click(e, "EdMikrorachunek");
         },
         Vat, "", ""},
        {"a stored deposit shows its account", 101, [](auto &, QDialog &) {}, "", PayerAccount, "123"},
        {"the kind before any authority empties the account", 102,
         [](auto &, QDialog &e) {
             type(e, "EdKonto_Odb", Pit);
             pick(e, "EdRodzajRach", QStringLiteral("PIT"));
             click(e, "EdMikrorachunek");
         },
         "", PayerAccount, "123"},
        {"REGON without a payer chosen empties the identifier", 102,
         [](auto &, QDialog &e) { pick(e, "EdTyp", QStringLiteral("R - REGON")); }, "", PayerAccount, ""},
        {"a payer chosen for a deposit leaves the payer account as shown", 101,
         [](auto &t, QDialog &e) {
             t.on(QStringLiteral("TWybierzAdresatFrm"), [](QDialog &chooser) { return press(chooser, "SelectBtn"); });
             control<NameLine>(e, "EdNazwa1_Nad")->ChooserAction()->trigger();
         },
         "", PayerAccount, "123"},
        {"a deposit stores the payer account the field shows", 101,
         [](auto &, QDialog &e) { type(e, "EdKonto_Nad", Vat); }, "", Vat, "123"},
        // Template 102 has lost its identifier to the REGON above.
        {"an account kind the list does not know is kept", 102, [](auto &, QDialog &) {}, "", PayerAccount, "",
         {QStringLiteral("update SZPODATKOWE set RODZAJ_RACH = 'X' where PRZELEWID = 102")}, "RODZAJ_RACH", "X"},
        {"the choosers open on the stored authority and payer", 102,
         [](auto &t, QDialog &e) {
             qint32 authority = 0, payer = 0;
             t.on(QStringLiteral("TWybierzUrzadFrm"), [&authority](QDialog &chooser) {
                 authority = dynamic_cast<DirectoryChooser &>(chooser).Rows().value(QStringLiteral("URZADID")).toInt();
                 return int(QDialog::Rejected);
             });
             t.on(QStringLiteral("TWybierzAdresatFrm"), [&payer](QDialog &chooser) {
                 payer = dynamic_cast<DirectoryChooser &>(chooser).Rows().value(QStringLiteral("ADRESATID")).toInt();
                 return int(QDialog::Rejected);
             });
             control<NameLine>(e, "EdNazwa1_Odb")->ChooserAction()->trigger();
             control<NameLine>(e, "EdNazwa1_Nad")->ChooserAction()->trigger();
             EXPECT_EQ(authority, 2);
             EXPECT_EQ(payer, 2);
         },
         "", PayerAccount, "",
         {QStringLiteral("insert into URZEDY (URZADID, NAZWA, NAZWA1) values (2, 'US 2', 'Urząd Skarbowy 2')"),
          QStringLiteral("update SZPODATKOWE set ODBIORCAID = 2, NADAWCAID = 2 where PRZELEWID = 102")}},
        {"a stored amount the field cannot hold is told", 102, [](auto &, QDialog &) {}, "", PayerAccount, "",
         {QStringLiteral("update SZPODATKOWE set KWOTA = 1000000000 where PRZELEWID = 102")}, nullptr, {},
         {"Zapisana kwota 1 000 000 000,00 nie mieści się w polu kwoty; wpisz właściwą kwotę."}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        if (!row.before.isEmpty()) {
            dm.ReopenTaxTemplates(1, 0);  // commits what the rows above saved
            insert(row.before);
            dm.ReopenTaxOffices();
        }
        on(QStringLiteral("TSzablonPodatFrm"), [&](QDialog &editor) {
            EXPECT_EQ(focusName(editor), QStringLiteral("EdNazwa"));
            row.act(*this, editor);
            EXPECT_EQ(DigitsOnly(control<QLineEdit>(editor, "EdKonto_Odb")->text()), row.account);
            EXPECT_EQ(DigitsOnly(control<QLineEdit>(editor, "EdKonto_Nad")->text()), row.payerAccount);
            EXPECT_EQ(control<QLineEdit>(editor, "EdNIP")->text(), row.identifier);
            type(editor, "EdNazwa", QStringLiteral("Szablon %1").arg(row.templateId));
            return press(editor, "PostBtn");
        });
        TSzablonPodatFrm editor;
        if (row.templateId) {
            dm.ReopenTaxTemplates(1, row.templateId);
            ASSERT_TRUE(editor.ShowCurrent());
            // What the payer account field shows is what is stored, in either operation kind.
            // The list stands on it, the change not yet committed.
            EXPECT_EQ(dm.szPodatkowe.value(QStringLiteral("KONTO_NAD")).toString(), row.payerAccount);
            if (row.column) {
                EXPECT_EQ(dm.szPodatkowe.value(QLatin1String(row.column)).toString(), row.kept);
            }
        } else {
            dm.ReopenTaxTemplates(1, 0);
            ASSERT_TRUE(editor.ShowNew(1));
            EXPECT_EQ(dm.szPodatkowe.value(QStringLiteral("KONTO_ODB")).toString(), row.account);
        }
        EXPECT_EQ(messages.warnings, row.warnings);
    }
}

TEST_F(TaxTemplatesTest, SavingNeedsOnlyANameWarnsOfWrongAccountsAndNeverFailsSilently)
{
    const struct {
        const char *what;
        std::function<void(QDialog &)> fill;
        QStringList warnings;
        bool stored;
        const char *focus = "EdNazwa";  // where a refused save leaves it
    } rows[] = {
        {"no name", [](QDialog &) {}, {"Nazwa szablonu musi być podana."}, false},
        {"wrong accounts are stored after warnings",
         [](QDialog &e) {
             type(e, "EdNazwa", QStringLiteral("Zły"));
             type(e, "EdKonto_Odb", QStringLiteral("61109010140000071219812875"));
             type(e, "EdKonto_Nad", QStringLiteral("61109010140000071219812875"));
         },
         {"Numer rachunku organu podatkowego jest nieprawidłowy.", "Numer rachunku zobowiązanego jest nieprawidłowy."},
         true},
        {"a name the code page cannot hold is reported and cancelled",
         [](QDialog &e) { type(e, "EdNazwa", QStringLiteral("東京")); }, {"<the store's own message>"}, false},
        {"the micro-account asked for without an identifier that gives one",
         [](QDialog &e) {
             type(e, "EdNazwa", QStringLiteral("VAT"));
             pick(e, "EdRodzajRach", QStringLiteral("VAT"));
         },
         {TaxOrderFields::MicroAccountMissingMessage}, false, "EdNIP"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        dm.ReopenTaxTemplates(1, 0);
        const int before = int(names(dm.szPodatkowe).size());
        on(QStringLiteral("TSzablonPodatFrm"), [&](QDialog &editor) {
            row.fill(editor);
            const int result = press(editor, "PostBtn");
            if (!row.stored) {
                EXPECT_EQ(focusName(editor), QLatin1String(row.focus));
            }
            EXPECT_NE(dm.szPodatkowe.state(), Dataset::State::Insert);
            return result;
        });
        TSzablonPodatFrm editor;
        EXPECT_EQ(editor.ShowNew(1), row.stored);
        EXPECT_EQ(int(names(dm.szPodatkowe).size()), before + (row.stored ? 1 : 0));
        ASSERT_EQ(messages.warnings.size(), row.warnings.size()) << messages.warnings.join(u'\n').toStdString();
        if (row.warnings.first() != QLatin1String("<the store's own message>")) {
            EXPECT_EQ(messages.warnings, row.warnings);
        }
    }
}

// A template whose stored amount the program cannot hold opens no editor that would
// show and store 0,00; the user is told why.
TEST_F(TaxTemplatesTest, ATemplateWithAnUnreadableAmountOpensNoEditor)
{
    insert({QStringLiteral("update SZPODATKOWE set KWOTA = -9999999999999999.99 where PRZELEWID = 103")});
    inList([&](QDialog &list) {
        moveContractor(2);
        click(list, "EditBtn");
    });
    EXPECT_EQ(opened, QStringList{"TSzablPodatTbl"});
    EXPECT_EQ(messages.warnings, QStringList{"Tej pozycji nie można poprawić: kwota -9999999999999999,99 zapisana w "
                                             "bazie danych jest większa, niż program potrafi odczytać. Można ją tylko usunąć."});
}
