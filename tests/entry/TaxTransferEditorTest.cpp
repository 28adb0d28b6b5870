#include "DirectoryChooser.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "Globals.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "NullableDateEdit.h"
#include "TPodatkowyFrm.h"
#include "TaxOrderFields.h"
#include "TaxPeriod.h"
#include "ValidityMark.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <functional>
#include <memory>
#include <gtest/gtest.h>

namespace {

// The tax authority's five accounts, all valid and all different.
const QString Pit = QStringLiteral("83101010230000261395100000");
const QString Cit = QStringLiteral("78101010230000261395200000");
const QString Vat = QStringLiteral("73101010230000261395300000");
const QString Pcc = QStringLiteral("68101010230000261395400000");
const QString Bud = QStringLiteral("63101010230000261395500000");
const QString PayerAccount = QStringLiteral("61109010140000071219812874");
const QString WrongAccount = QStringLiteral("61109010140000071219812875");

std::string str(const QString &text)
{
    return text.toStdString();
}

// A fresh database with one tax authority (URZADID 1) and one payer (ADRESATID 1);
// every modal window is handled by the script given for its class name, or cancelled.
class TaxTransferEditorTest : public ::testing::Test
{
public:
    using Handler = std::function<int(QDialog &)>;

    TaxTransferEditorTest()
    {
        modal.script = [this](QDialog &dialog) {
            opened << dialog.objectName();
            const auto handler = handlers.find(dialog.objectName());
            return handler == handlers.end() ? int(QDialog::Rejected) : (*handler)(dialog);
        };
    }

    void SetUp() override
    {
        ASSERT_TRUE(dm.ConnectDatabase());
        db.execute({QStringLiteral("insert into URZEDY (URZADID, NAZWA, NAZWA1, NAZWA2, KONTOPIT, KONTOCIT, KONTOVAT, "
                                   "KONTOPCC, KONTOBUD) values (1, 'US Kraków', 'Urząd Skarbowy Kraków', "
                                   "'ul. Wrocławska 32', '%1', '%2', '%3', '%4', '%5')")
                        .arg(Pit, Cit, Vat, Pcc, Bud),
                    QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_NAD, NAZWA2_NAD, KONTO, NIP, REGON, "
                                   "PESEL) values (1, 'Kowalski', 'Jan Kowalski', 'Kraków', '%1', '123-456-32-18', "
                                   "'123456785', '44051401359')")
                        .arg(PayerAccount)});
        dm.ReopenTaxOffices();
        dm.ReopenContractors(0);
    }

    template<typename Control = QWidget>
    static Control *control(const QDialog &dialog, const char *name)
    {
        auto *found = dialog.findChild<Control *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QLineEdit *line(const QDialog &dialog, const char *name) { return control<QLineEdit>(dialog, name); }
    static QComboBox *list(const QDialog &dialog, const char *name) { return control<QComboBox>(dialog, name); }
    static MoneyEdit *amount(const QDialog &dialog) { return control<MoneyEdit>(dialog, "EdKwota"); }
    // As the user picks an entry: the list reports it as activated.
    static void pick(const QDialog &dialog, const char *name, const QString &entry)
    {
        QComboBox *combo = list(dialog, name);
        const int index = combo->findText(entry);
        ASSERT_GE(index, 0) << str(entry);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void click(const QDialog &dialog, const char *button) { control<QAbstractButton>(dialog, button)->click(); }
    static void openChooser(const QDialog &dialog, const char *nameLine)
    {
        control<NameLine>(dialog, nameLine)->ChooserAction()->trigger();
    }
    static QString focusName(const QDialog &dialog)
    {
        return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    }

    // The chooser's rows moved to the identifier, and "&Wybierz".
    void chooseIn(const char *chooser, const char *key, qint32 id)
    {
        handlers[QLatin1String(chooser)] = [key, id](QDialog &dialog) {
            auto *rows = dynamic_cast<DirectoryChooser *>(&dialog);
            EXPECT_NE(rows, nullptr);
            if (rows) {
                EXPECT_TRUE(rows->Rows().locate(QLatin1String(key), id));
            }
            click(dialog, "SelectBtn");
            return dialog.result();
        };
    }
    void chooseAuthority(const QDialog &editor)
    {
        chooseIn("TWybierzUrzadFrm", "URZADID", 1);
        openChooser(editor, "EdNazwa1_Odb");
    }
    void choosePayer(const QDialog &editor)
    {
        chooseIn("TWybierzAdresatFrm", "ADRESATID", 1);
        openChooser(editor, "EdNazwa1_Nad");
    }

    // Opens a new editor (or one on the current row) and runs the steps inside it.
    bool edit(bool isNew, const std::function<void(QDialog &)> &inside)
    {
        handlers[QStringLiteral("TPodatkowyFrm")] = [inside](QDialog &dialog) {
            inside(dialog);
            return dialog.result();
        };
        TPodatkowyFrm editor;
        return isNew ? editor.ShowNew() : editor.ShowCurrent();
    }
    // Presses "&Zapisz" and tells whether the window closed as stored.
    static bool save(QDialog &dialog)
    {
        dialog.setResult(QDialog::Rejected);
        click(dialog, "PostBtn");
        return dialog.result() == QDialog::Accepted;
    }
    // Everything a transfer needs: the authority, an amount, the payer (and with it the
    // identifier), the form symbol.
    void fillRequired(QDialog &dialog)
    {
        chooseAuthority(dialog);
        amount(dialog)->SetValue(Money::fromGrosze(150000));
        choosePayer(dialog);
        list(dialog, "EdSymbol")->setEditText(QStringLiteral("PIT-4"));
    }

    int storedCount()
    {
        dm.Podatkowe.fetchAll();
        return dm.Podatkowe.fetchedCount();
    }
    QString column(const char *name) const { return dm.Podatkowe.value(QLatin1String(name)).toString(); }

    FreshDatabase db;
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
    QMap<QString, Handler> handlers;
    QStringList opened;
};

}

TEST_F(TaxTransferEditorTest, ANewTransferOpensOnThePreviousMonthAndTabsInTheFormsOrder)
{
    edit(true, [](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Podatkowy"));
        EXPECT_EQ(list(dialog, "EdRodzajRach")->currentText(), QStringLiteral("PIT"));
        EXPECT_EQ(list(dialog, "EdTyp")->currentText(), QStringLiteral("N - NIP"));
        EXPECT_TRUE(control<QAbstractButton>(dialog, "Przelew")->isChecked());
        EXPECT_EQ(line(dialog, "EdOkres")->text(), PreviousMonthPeriod(QDate::currentDate()));
        EXPECT_EQ(amount(dialog)->Value(), Money());
        EXPECT_EQ(focusName(dialog), QStringLiteral("EdNazwa1_Odb"));
        EXPECT_EQ(control<QWidget>(dialog, "CalcBtn")->focusPolicy(), Qt::NoFocus);

        const QStringList expected{"EdNazwa1_Odb", "EdNazwa2_Odb", "EdKonto_Odb", "EdRodzajRach", "EdMikrorachunek",
                                   "Wplata", "Przelew", "EdKwota", "EdKonto_Nad", "EdNazwa1_Nad", "EdNazwa2_Nad",
                                   "EdNIP", "EdTyp", "EdOkres", "EdSymbol", "EdIdentyfZobow", "EdData", "PostBtn",
                                   "CancelBtn"};
        QStringList chain;
        QWidget *at = control<QWidget>(dialog, "EdNazwa1_Odb");
        do {
            if (expected.contains(at->objectName()) && !chain.contains(at->objectName()))
                chain << at->objectName();
            at = at->nextInFocusChain();
        } while (at && at->objectName() != QLatin1String("EdNazwa1_Odb"));
        EXPECT_EQ(chain, expected);
    });
}

TEST_F(TaxTransferEditorTest, TheKindOfTaxPutsTheAuthoritysAccountAndOtherKeepsWhatWasTyped)
{
    const QString typed = QStringLiteral("60102010260000042270201111");
    const struct {
        const char *step;
        std::function<void(TaxTransferEditorTest &, QDialog &)> act;
        QString account;
    } steps[] = {
        {"VAT before any authority: nothing remembered empties the field",
         [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("VAT")); }, QString()},
        {"choosing the authority with VAT selected and the micro-account switched off",
         [](auto &t, QDialog &d) {
             click(d, "EdMikrorachunek");
             t.chooseAuthority(d);
         },
         Vat},
        {"PIT switches the micro-account on again: without an identifier no account",
         [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("PIT")); }, QString()},
        {"PIT with the check off", [](auto &, QDialog &d) { click(d, "EdMikrorachunek"); }, Pit},
        {"CIT with the check off",
         [](auto &, QDialog &d) {
             pick(d, "EdRodzajRach", QStringLiteral("CIT"));
             click(d, "EdMikrorachunek");
         },
         Cit},
        {"PCC", [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("PCC")); }, Pcc},
        {"(inny) leaves the field", [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("(inny)")); }, Pcc},
        {"an account typed under (inny) stays",
         [typed](auto &, QDialog &d) { line(d, "EdKonto_Odb")->setText(typed); }, typed},
        {"choosing the authority again under (inny) keeps it too",
         [](auto &t, QDialog &d) { t.chooseAuthority(d); }, typed},
    };
    edit(true, [&](QDialog &dialog) {
        for (const auto &step : steps) {
            SCOPED_TRACE(step.step);
            step.act(*this, dialog);
            EXPECT_EQ(DigitsOnly(line(dialog, "EdKonto_Odb")->text()), step.account);
        }
        EXPECT_EQ(line(dialog, "EdNazwa1_Odb")->text(), QStringLiteral("Urząd Skarbowy Kraków"));
        EXPECT_EQ(line(dialog, "EdNazwa2_Odb")->text(), QStringLiteral("ul. Wrocławska 32"));
    });
}

TEST_F(TaxTransferEditorTest, PitCitAndVatGoToTheMicroAccountOfAValidIdentifier)
{
    // The payer's NIP 123-456-32-18 and PESEL 44051401359 as micro-accounts.
    const QString MicroNip = QStringLiteral("88101000712222123456321800");
    const QString MicroPesel = QStringLiteral("27101000712221440514013590");
    const auto type = [](QDialog &d, const QString &text) {
        line(d, "EdNIP")->setText(text);
        emit line(d, "EdNIP")->textEdited(text);
    };
    const struct {
        const char *step;
        std::function<void(TaxTransferEditorTest &, QDialog &)> act;
        QString account;
        bool checked, enabled;
    } steps[] = {
        {"a new PIT transfer has the check on", [](auto &, QDialog &) {}, QString(), true, true},
        {"no identifier yet: no account, never the authority's instead",
         [](auto &t, QDialog &d) { t.chooseAuthority(d); }, QString(), true, true},
        {"a NIP typed with hyphens", [type](auto &, QDialog &d) { type(d, QStringLiteral("123-456-32-18")); },
         MicroNip, true, true},
        {"a NIP spoilt by its last digit", [type](auto &, QDialog &d) { type(d, QStringLiteral("123-456-32-19")); },
         QString(), true, true},
        {"the payer chosen into an empty field",
         [](auto &t, QDialog &d) {
             line(d, "EdNIP")->clear();
             t.choosePayer(d);
         },
         MicroNip, true, true},
        {"the type PESEL brings the payer's PESEL",
         [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("P - PESEL")); }, MicroPesel, true, true},
        {"the check switched off", [](auto &, QDialog &d) { click(d, "EdMikrorachunek"); }, Pit, false, true},
        {"the identifier typed with the check off leaves the account",
         [type](auto &, QDialog &d) { type(d, QStringLiteral("44051401359")); }, Pit, false, true},
        {"the check switched on again", [](auto &, QDialog &d) { click(d, "EdMikrorachunek"); }, MicroPesel, true,
         true},
        {"VAT", [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("VAT")); }, MicroPesel, true, true},
        {"PCC has no micro-account", [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("PCC")); }, Pcc,
         false, false},
        {"the payer's NIP under PCC leaves the account",
         [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("N - NIP")); }, Pcc, false, false},
        {"CIT switches the check on by itself",
         [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("CIT")); }, MicroNip, true, true},
        {"a passport has no micro-account",
         [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("2 - Paszport")); }, QString(), true, true},
        {"REGON has no micro-account",
         [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("R - REGON")); }, QString(), true, true},
        {"the office's account only when the user switches the check off",
         [](auto &, QDialog &d) { click(d, "EdMikrorachunek"); }, Cit, false, true},
        {"(inny) leaves the field as it was",
         [](auto &, QDialog &d) { pick(d, "EdRodzajRach", QStringLiteral("(inny)")); }, Cit, false, false},
    };
    edit(true, [&](QDialog &dialog) {
        for (const auto &step : steps) {
            SCOPED_TRACE(step.step);
            step.act(*this, dialog);
            EXPECT_EQ(DigitsOnly(line(dialog, "EdKonto_Odb")->text()), step.account);
            const auto *check = control<QAbstractButton>(dialog, "EdMikrorachunek");
            EXPECT_EQ(check->isChecked(), step.checked);
            EXPECT_EQ(check->isEnabled(), step.enabled);
            // An empty account says why while the micro-account is asked for.
            EXPECT_EQ(line(dialog, "EdKonto_Odb")->toolTip() == TaxOrderFields::MicroAccountMissingMessage,
                      step.checked && step.account.isEmpty() && &step != &steps[0]);
        }
    });
}

TEST_F(TaxTransferEditorTest, AStoredTransferShowsItsOwnAccountAndTheCheckSaysWhetherItIsTheMicroAccount)
{
    const QString MicroNip = QStringLiteral("88101000712222123456321800");
    const struct {
        const char *what;
        QString kind, account, identifier;
        bool checked;
    } rows[] = {
        {"PIT to the micro-account", "P", MicroNip, "123-456-32-18", true},
        {"PIT to the authority's account stored before micro-accounts", "P", Pit, "123-456-32-18", false},
        {"PIT to the micro-account of another identifier", "P", MicroNip, "526-025-02-74", false},
        {"PCC to an account that happens to be the micro-account", "K", MicroNip, "123-456-32-18", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({QStringLiteral("delete from PODATKOWE"),
                    QStringLiteral("insert into PODATKOWE (PRZELEWID, ODBIORCAID, NAZWA1_ODB, KONTO_ODB, RODZAJ_RACH, "
                                   "PRZELEW, KWOTA, KONTO_NAD, NAZWA1_NAD, IDENTYF, TYPIDENTYF, OKRES, DATA_WPR) values (1, 1, "
                                   "'US', '%1', '%2', 'T', 10, '%3', 'Jan', '%4', 'N', '24M03', '2024-03-01')")
                        .arg(row.account, row.kind, PayerAccount, row.identifier)});
        dm.ReopenTaxList(1);
        edit(false, [&](QDialog &dialog) {
            EXPECT_EQ(DigitsOnly(line(dialog, "EdKonto_Odb")->text()), row.account);
            EXPECT_EQ(control<QAbstractButton>(dialog, "EdMikrorachunek")->isChecked(), row.checked);
            // A payer chosen again brings no new identifier into a filled field, and the
            // account stays what was stored.
            choosePayer(dialog);
            EXPECT_EQ(DigitsOnly(line(dialog, "EdKonto_Odb")->text()), row.account);
        });
    }
}

TEST_F(TaxTransferEditorTest, TheIdentifierFollowsThePayerAndItsType)
{
    const struct {
        const char *step;
        std::function<void(TaxTransferEditorTest &, QDialog &)> act;
        QString identifier;
    } steps[] = {
        {"a payer chosen while the field is empty gives the NIP without hyphens",
         [](auto &t, QDialog &d) { t.choosePayer(d); }, QStringLiteral("1234563218")},
        {"a filled field is left alone by the next choice",
         [](auto &t, QDialog &d) {
             line(d, "EdNIP")->setText(QStringLiteral("X1"));
             t.choosePayer(d);
         },
         QStringLiteral("X1")},
        {"REGON", [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("R - REGON")); }, QStringLiteral("123456785")},
        {"identity card leaves it", [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("1 - Dowód osobisty")); },
         QStringLiteral("123456785")},
        {"PESEL", [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("P - PESEL")); }, QStringLiteral("44051401359")},
        {"passport leaves it", [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("2 - Paszport")); },
         QStringLiteral("44051401359")},
        {"another identity document leaves it",
         [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("3 - Inny dokument tożsamości")); },
         QStringLiteral("44051401359")},
    };
    edit(true, [&](QDialog &dialog) {
        for (const auto &step : steps) {
            SCOPED_TRACE(step.step);
            step.act(*this, dialog);
            EXPECT_EQ(line(dialog, "EdNIP")->text(), step.identifier);
        }
        EXPECT_EQ(DigitsOnly(line(dialog, "EdKonto_Nad")->text()), PayerAccount);
        EXPECT_EQ(line(dialog, "EdNazwa1_Nad")->text(), QStringLiteral("Jan Kowalski"));
    });
}

TEST_F(TaxTransferEditorTest, SavingChecksInOrderStopsAtTheFirstFaultAndOnlyWarnsOfWrongNumbers)
{
    const struct {
        const char *what;
        std::function<void(QDialog &)> spoil;
        QStringList warnings;
        const char *focus;  // where a refused save leaves the focus
    } rows[] = {
        {"a name of blanks", [](QDialog &d) { line(d, "EdNazwa1_Odb")->setText(QStringLiteral("  ")); },
         {"Nazwa organu podatkowego musi być podana."}, "EdNazwa1_Odb"},
        {"only the first fault is told",
         [](QDialog &d) {
             line(d, "EdNazwa1_Odb")->clear();
             line(d, "EdOkres")->setText(QStringLiteral("05M13"));
         },
         {"Nazwa organu podatkowego musi być podana."}, "EdNazwa1_Odb"},
        {"an identifier that gives no micro-account",
         [](QDialog &d) {
             line(d, "EdNIP")->setText(QStringLiteral("ABC 123"));
             emit line(d, "EdNIP")->textEdited(QStringLiteral("ABC 123"));
         },
         {TaxOrderFields::MicroAccountMissingMessage}, "EdNIP"},
        {"no authority account", [](QDialog &d) { line(d, "EdKonto_Odb")->clear(); },
         {"Numer rachunku bankowego organu podatkowego musi być podany."}, "EdKonto_Odb"},
        {"a wrong authority account is stored after a warning",
         [](QDialog &d) { line(d, "EdKonto_Odb")->setText(WrongAccount); },
         {"Numer rachunku bankowego organu podatkowego jest nieprawidłowy."}, nullptr},
        {"no amount", [](QDialog &d) { amount(d)->SetValue(Money()); }, {"Kwota musi być podana."}, "EdKwota"},
        {"a transfer whose payer account holds separators only",
         [](QDialog &d) { line(d, "EdKonto_Nad")->setText(QStringLiteral(" - - ")); },
         {"Numer rachunku bankowego zobowiązanego musi być podany."}, "EdKonto_Nad"},
        {"a deposit needs no payer account",
         [](QDialog &d) {
             line(d, "EdKonto_Nad")->clear();
             click(d, "Wplata");
         },
         {}, nullptr},
        {"a wrong payer account is stored after a warning",
         [](QDialog &d) { line(d, "EdKonto_Nad")->setText(WrongAccount); },
         {"Numer rachunku bankowego zobowiązanego jest nieprawidłowy."}, nullptr},
        {"no payer", [](QDialog &d) { line(d, "EdNazwa1_Nad")->clear(); }, {"Nazwa zobowiązanego musi być podana."},
         "EdNazwa1_Nad"},
        {"an identifier of blanks", [](QDialog &d) { line(d, "EdNIP")->setText(QStringLiteral("  ")); },
         {"NIP lub identyfikator uzupełniający musi być podany."}, "EdNIP"},
        {"no form symbol", [](QDialog &d) { list(d, "EdSymbol")->setEditText(QString()); },
         {"Symbol formularza lub płatności musi być podany."}, "EdSymbol"},
        {"a thirteenth month", [](QDialog &d) { line(d, "EdOkres")->setText(QStringLiteral("05M13")); },
         {"Podany okres jest nieprawidłowy."}, "EdOkres"},
        {"a decade is not examined", [](QDialog &d) { line(d, "EdOkres")->setText(QStringLiteral("05D99")); }, {},
         nullptr},
        {"no period at all", [](QDialog &d) { line(d, "EdOkres")->clear(); }, {}, nullptr},
        {"a date that does not exist is not stored as no date",
         [](QDialog &d) { line(d, "EdData")->setText(QStringLiteral("31.02.2024")); }, {"Nieprawidłowa data."},
         "EdData"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        const int before = storedCount();
        const bool stored = edit(true, [&](QDialog &dialog) {
            fillRequired(dialog);
            row.spoil(dialog);
            save(dialog);
            if (row.focus) {
                EXPECT_EQ(focusName(dialog), QLatin1String(row.focus));
            }
        });
        EXPECT_EQ(messages.warnings, row.warnings);
        EXPECT_EQ(stored, row.focus == nullptr);
        EXPECT_EQ(storedCount(), before + (stored ? 1 : 0));
    }
}

TEST_F(TaxTransferEditorTest, AStoredTransferOpensAsStoredAndSavesBackUnchanged)
{
    // A deposit keeps the payer's account it was stored with; the kind and type set on
    // opening must not overwrite the stored account and identifier.
    for (const bool transfer : {true, false}) {
        SCOPED_TRACE(transfer ? "transfer" : "deposit");
        ASSERT_TRUE(edit(true, [&](QDialog &dialog) {
            fillRequired(dialog);
            pick(dialog, "EdRodzajRach", QStringLiteral("(inny)"));
            line(dialog, "EdKonto_Odb")->setText(PayerAccount);
            pick(dialog, "EdTyp", QStringLiteral("R - REGON"));
            line(dialog, "EdNIP")->setText(QStringLiteral("ABC 123"));
            list(dialog, "EdSymbol")->setEditText(QStringLiteral("VAT-7"));
            line(dialog, "EdIdentyfZobow")->setText(QStringLiteral("ZAL 2003"));
            control<NullableDateEdit>(dialog, "EdData")->SetDate(QDate(2024, 3, 15));
            if (!transfer)
                click(dialog, "Wplata");
            save(dialog);
        }));
        const qint32 id = dm.Podatkowe.value(QStringLiteral("PRZELEWID")).toInt();
        const QStringList columns{"ODBIORCAID", "NAZWA1_ODB", "NAZWA2_ODB", "KONTO_ODB", "RODZAJ_RACH", "PRZELEW",
                                  "KWOTA", "KONTO_NAD", "NAZWA1_NAD", "NAZWA2_NAD", "IDENTYF", "TYPIDENTYF", "OKRES",
                                  "SYMBOLFORM", "IDENTYFZOB", "DATA_PRZEK"};
        QStringList stored;
        for (const QString &name : columns)
            stored << name + u'=' + dm.Podatkowe.value(name).toString();
        EXPECT_EQ(column("KONTO_ODB"), PayerAccount);
        EXPECT_EQ(column("RODZAJ_RACH"), QStringLiteral("I"));
        EXPECT_EQ(column("KONTO_NAD"), PayerAccount);
        EXPECT_EQ(column("PRZELEW"), transfer ? QStringLiteral("T") : QStringLiteral("N"));
        EXPECT_EQ(column("IDENTYF"), QStringLiteral("ABC 123"));
        EXPECT_EQ(column("TYPIDENTYF"), QStringLiteral("R"));
        EXPECT_EQ(dm.Podatkowe.value(QStringLiteral("KWOTA")).value<Money>(), Money::fromGrosze(150000));

        ASSERT_TRUE(edit(false, [&](QDialog &dialog) {
            EXPECT_EQ(DigitsOnly(line(dialog, "EdKonto_Odb")->text()), PayerAccount);
            EXPECT_EQ(line(dialog, "EdNIP")->text(), QStringLiteral("ABC 123"));
            EXPECT_EQ(list(dialog, "EdRodzajRach")->currentText(), QStringLiteral("(inny)"));
            EXPECT_EQ(list(dialog, "EdSymbol")->currentText(), QStringLiteral("VAT-7"));
            if (!transfer) {
                EXPECT_EQ(line(dialog, "EdKonto_Nad")->text(), AmountInWords(Money::fromGrosze(150000)));
            }
            save(dialog);
        }));
        EXPECT_EQ(dm.Podatkowe.value(QStringLiteral("PRZELEWID")).toInt(), id);
        QStringList again;
        for (const QString &name : columns)
            again << name + u'=' + dm.Podatkowe.value(name).toString();
        EXPECT_EQ(again, stored);
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << str(messages.warnings.join(u'\n'));
}

TEST_F(TaxTransferEditorTest, AStoredTransferKnowsItsAuthoritysAccountsButNoPayerUntilOneIsChosen)
{
    const struct {
        const char *what;
        bool transfer;
        std::function<void(TaxTransferEditorTest &, QDialog &)> act;
        const char *field;
        QString shown;
    } rows[] = {
        {"the kind puts the stored authority's account", true,
         [](auto &, QDialog &d) {
             pick(d, "EdRodzajRach", QStringLiteral("VAT"));
             click(d, "EdMikrorachunek");
         },
         "EdKonto_Odb", FormatAccount(Vat)},
        {"PESEL with no payer chosen empties the identifier", true,
         [](auto &, QDialog &d) { pick(d, "EdTyp", QStringLiteral("P - PESEL")); }, "EdNIP", QString()},
        {"a payer chosen for a deposit keeps the amount in words", false,
         [](auto &t, QDialog &d) { t.choosePayer(d); }, "EdKonto_Nad", AmountInWords(Money::fromZloty(1500))},
        {"a payer chosen for a transfer shows its account", true, [](auto &t, QDialog &d) { t.choosePayer(d); },
         "EdKonto_Nad", FormatAccount(PayerAccount)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({QStringLiteral("delete from PODATKOWE"),
                    QStringLiteral("insert into PODATKOWE (PRZELEWID, ODBIORCAID, NAZWA1_ODB, KONTO_ODB, RODZAJ_RACH, "
                                   "PRZELEW, KWOTA, NAZWA1_NAD, KONTO_NAD, IDENTYF, TYPIDENTYF, DATA_WPR) values (500, 1, "
                                   "'Urząd', '%1', 'P', '%2', 1500, 'Jan', '%3', 'ABC 123', 'N', current_timestamp)")
                        .arg(Pit, row.transfer ? QStringLiteral("T") : QStringLiteral("N"), WrongAccount)});
        dm.ReopenTaxList(500);
        edit(false, [&](QDialog &dialog) {
            row.act(*this, dialog);
            EXPECT_EQ(line(dialog, row.field)->text(), row.shown);
        });
    }
}

TEST_F(TaxTransferEditorTest, ARowAnotherToolWroteShowsWhatItHoldsOrWarnsAndNeverSavesACutOrUnseenValue)
{
    const QString outOfRange = QStringLiteral("Zapisana kwota %1 nie mieści się w polu kwoty; wpisz właściwą kwotę.");
    const struct {
        const char *what;
        QString amount, payerAccount, identifier;  // as SQL literals
        QString accountShown, identifierShown;
        QStringList warnings;
        QString amountAfter, payerAccountAfter, identifierAfter;  // stored after "&Zapisz"
    } rows[] = {
        {"a payer account kept with separators lands digit by digit", "1500", "'61 1090 1014 0000 0712 1981 2874'",
         "'ABC 123'", FormatAccount(PayerAccount), "ABC 123", {}, "1500.00", PayerAccount, "ABC 123"},
        {"an amount above the field's range is told and never saved as 0", "5000000000", "'" + PayerAccount + "'",
         "'ABC 123'", FormatAccount(PayerAccount), "ABC 123",
         {outOfRange.arg(QStringLiteral("5 000 000 000,00")), "Kwota musi być podana."}, "5000000000.00",
         PayerAccount, "ABC 123"},
        {"a negative amount too", "-5", "'" + PayerAccount + "'", "'ABC 123'", FormatAccount(PayerAccount), "ABC 123",
         {outOfRange.arg(QStringLiteral("-5,00")), "Kwota musi być podana."}, "-5.00", PayerAccount, "ABC 123"},
        {"an identifier too long as written loses its separators", "1500", "'" + PayerAccount + "'",
         "'PL 123-456-32-18'", FormatAccount(PayerAccount), "PL1234563218", {}, "1500.00", PayerAccount,
         "PL1234563218"},
        {"an identifier whose digits do not fit is never cut, nor stored as none", "1500", "'" + PayerAccount + "'",
         "'1234-5678-9012-3456'", FormatAccount(PayerAccount), "",
         {"NIP lub identyfikator uzupełniający „1234-5678-9012-3456” nie mieści się w polu (najwyżej 14 znaków); "
          "wpisz go ręcznie.",
          "NIP lub identyfikator uzupełniający musi być podany."},
         "1500.00", PayerAccount, "1234-5678-9012-3456"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({QStringLiteral("delete from PODATKOWE"),
                    QStringLiteral("insert into PODATKOWE (PRZELEWID, ODBIORCAID, NAZWA1_ODB, KONTO_ODB, RODZAJ_RACH, "
                                   "PRZELEW, KWOTA, NAZWA1_NAD, KONTO_NAD, IDENTYF, TYPIDENTYF, OKRES, SYMBOLFORM, "
                                   "DATA_WPR) values (500, 1, 'Urząd', '%1', 'P', 'T', %2, 'Jan', %3, %4, 'N', "
                                   "'24M01', 'PIT-4', current_timestamp)")
                        .arg(Pit, row.amount, row.payerAccount, row.identifier)});
        dm.ReopenTaxList(500);
        messages.warnings.clear();
        edit(false, [&](QDialog &dialog) {
            EXPECT_EQ(line(dialog, "EdKonto_Nad")->text(), row.accountShown);
            EXPECT_EQ(line(dialog, "EdNIP")->text(), row.identifierShown);
            save(dialog);
        });
        EXPECT_EQ(messages.warnings, row.warnings);
        dm.ReopenTaxList(500);
        EXPECT_EQ(dm.Podatkowe.value(QStringLiteral("KWOTA")).value<Money>().toPlainString(2), row.amountAfter);
        EXPECT_EQ(column("KONTO_NAD"), row.payerAccountAfter);
        EXPECT_EQ(column("IDENTYF"), row.identifierAfter);
    }
}

TEST_F(TaxTransferEditorTest, AFailedStoreLeavesNoRowBehindAndAFailedReopenNeverAddsASecond)
{
    const QString listSql = QStringLiteral("select *\nfrom PODATKOWE\norder by PRZELEWID desc");
    const struct {
        const char *what;
        std::function<void(TaxTransferEditorTest &, QDialog &)> spoil, mend;
    } rows[] = {
        {"a name the code page cannot hold",
         [](auto &, QDialog &d) { line(d, "EdNazwa2_Odb")->setText(QStringLiteral("ul. 東京")); },
         [](auto &, QDialog &d) { line(d, "EdNazwa2_Odb")->setText(QStringLiteral("ul. Tokijska")); }},
        {"the list cannot be read again after the row was stored",
         [](auto &t, QDialog &) {
             // Right after the row is posted, before the editor reopens the list on it.
             Dataset &list = t.dm.Podatkowe;
             auto spoiled = std::make_shared<bool>(false);
             QObject::connect(&list, &Dataset::rowChanged, &list, [&list, spoiled] {
                 if (*spoiled || list.state() != Dataset::State::Browse)
                     return;
                 *spoiled = true;
                 list.setSelectSql(QStringLiteral("select * from NO_SUCH_TABLE"));
             });
         },
         [listSql](auto &t, QDialog &) { t.dm.Podatkowe.setSelectSql(listSql); }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        const int before = storedCount();
        const bool stored = edit(true, [&](QDialog &dialog) {
            fillRequired(dialog);
            row.spoil(*this, dialog);
            EXPECT_FALSE(save(dialog));
            EXPECT_EQ(messages.warnings.size(), 1) << "the failure is reported";
            EXPECT_EQ(line(dialog, "EdNazwa1_Odb")->text(), QStringLiteral("Urząd Skarbowy Kraków"));
            EXPECT_NE(dm.Podatkowe.state(), Dataset::State::Insert);
            row.mend(*this, dialog);
            EXPECT_TRUE(save(dialog)) << str(messages.warnings.join(u'\n'));
        });
        EXPECT_TRUE(stored);
        dm.ReopenTaxList(0);
        EXPECT_EQ(storedCount(), before + 1);
    }
}

TEST_F(TaxTransferEditorTest, ThePeriodDialogComposesTheCodeAndTypedLettersBecomeCapitals)
{
    const struct {
        QString before;
        bool confirm;
        QString after;
    } periods[] = {
        {"05M11", true, "05M11  "},
        {"05R", true, "05R    "},
        {"05D0101", true, "05D0101"},
        {"5", true, "5     "},  // the second year position blank, no kind, four blank number positions
        {"05M11", false, "05M11"},
    };
    edit(true, [&](QDialog &dialog) {
        QLineEdit *period = line(dialog, "EdOkres");
        for (const auto &row : periods) {
            SCOPED_TRACE(str(row.before));
            handlers[QStringLiteral("OkresFrm")] = [&row](QDialog &okres) {
                click(okres, row.confirm ? "PostBtn" : "CancelBtn");
                return okres.result();
            };
            period->setText(row.before);
            control<NameLine>(dialog, "EdOkres")->ChooserAction()->trigger();
            EXPECT_EQ(period->text(), row.after);
        }

        const struct {
            QLineEdit *field;
            QString before;
            int cursor;
            QString typed;
            QString after;
        } typing[] = {
            {period, "05", 2, "m", "05M"},
            {list(dialog, "EdSymbol")->lineEdit(), "PIT-", 0, "v", "VPIT-"},
            {line(dialog, "EdIdentyfZobow"), "ZAL", 3, "ą", "ZALĄ"},
            // A typed symbol has six characters; an entry of the list may have seven.
            {list(dialog, "EdSymbol")->lineEdit(), "PIT-36", 6, "l", "PIT-36L"},
            {list(dialog, "EdSymbol")->lineEdit(), "ABCDEF", 6, "G", "ABCDEF"},
        };
        for (const auto &row : typing) {
            SCOPED_TRACE(str(row.field->objectName()));
            row.field->setText(row.before);
            row.field->setCursorPosition(row.cursor);
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, row.typed);
            QApplication::sendEvent(row.field, &key);
            EXPECT_EQ(row.field->text(), row.after);
            EXPECT_EQ(row.field->cursorPosition(), row.cursor + int(row.after.size() - row.before.size()));
        }
    });
}

TEST_F(TaxTransferEditorTest, TheCalculatorsTotalBecomesTheAmountUnlessItIsAboveTheMaximum)
{
    // Ten per cent a year from 2000 on: a year of arrears on the largest amount goes past it.
    db.execute({QStringLiteral("insert into ODSETKIPOD (WPISID, ODDNIA, STOPA) values (900, '2000-01-01', 10)")});
    const Money before = Money::fromGrosze(1000);
    const struct {
        const char *what;
        Money arrears;
        QDate due, paid;
        const char *button;
        Money amount;
        int warnings;
    } rows[] = {
        {"paid on the day: the arrears alone", Money::fromGrosze(123456), QDate(2024, 5, 6), QDate(2024, 5, 6),
         "WstawPodatBtn", Money::fromGrosze(123456), 0},
        {"statutory total", Money::fromGrosze(50000), QDate(2024, 5, 6), QDate(2024, 5, 6), "WstawUstawBtn",
         Money::fromGrosze(50000), 0},
        {"a total above the field's maximum is told, not clamped", MoneyEdit::Maximum(), QDate(2020, 1, 1),
         QDate(2021, 1, 1), "WstawPodatBtn", before, 1},
        {"closed without taking a total", Money::fromGrosze(777), QDate(2024, 5, 6), QDate(2024, 5, 6), "CloseBtn",
         before, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        handlers[QStringLiteral("TOdsetkiTbl")] = [&row](QDialog &calculator) {
            control<QDateEdit>(calculator, "EdTerminPlat")->setDate(row.due);
            control<QDateEdit>(calculator, "EdDataZapl")->setDate(row.paid);
            control<MoneyEdit>(calculator, "EdKwota")->SetValue(row.arrears);
            click(calculator, "ObliczBtn");
            calculator.setResult(QDialog::Rejected);
            click(calculator, row.button);
            return calculator.result();
        };
        edit(true, [&](QDialog &dialog) {
            amount(dialog)->SetValue(before);
            click(dialog, "Wplata");
            control<QAbstractButton>(dialog, "CalcBtn")->click();
            EXPECT_EQ(amount(dialog)->Value(), row.amount);
            // A deposit's line under the amount follows it at once.
            EXPECT_EQ(line(dialog, "EdKonto_Nad")->text(), AmountInWords(row.amount));
        });
        EXPECT_EQ(messages.warnings.size(), row.warnings) << str(messages.warnings.join(u'\n'));
    }
}
