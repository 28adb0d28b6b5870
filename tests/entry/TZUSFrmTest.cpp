#include "FDM.h"
#include "FreshDatabase.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "MoneyEdit.h"
#include "NameLine.h"
#include "TZUSFrm.h"
#include "ValidityMark.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>
#include <memory>
#include <ostream>
#include <gtest/gtest.h>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString ValidAccount = QStringLiteral("61109010140000071219812874");
const QString ValidNip = QStringLiteral("123-456-32-18");

// An order that passes every check: social insurance and FP paid, health insurance not.
class ZusEditor : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    template<typename Control = QWidget>
    Control *control(const char *name) const
    {
        auto *found = frm->findChild<Control *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit *line(const char *name) const { return control<QLineEdit>(name); }
    QComboBox *list(const char *name) const { return control<QComboBox>(name); }
    MoneyEdit *amount(const char *name) const { return control<MoneyEdit>(name); }
    void transfer(bool yes) const { control<QRadioButton>(yes ? "Przelew" : "Wplata")->setChecked(true); }

    void leave(const char *name) const
    {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(control(name), &event);
    }

    void fillValid() const
    {
        list("EdTypWpl51")->setCurrentIndex(0);
        amount("EdKwota51")->SetValue(Money::fromZloty(100));
        line("EdNrDec51")->setText("DEC/51");
        list("EdTypWpl53")->setCurrentIndex(1);
        amount("EdKwota53")->SetValue(Money::fromGrosze(5025));
        line("EdKonto_Nad")->setText(FormatAccount(ValidAccount));
        line("EdNazwa1_Nad")->setText("Jan Kowalski");
        line("EdNazwa2_Nad")->setText("Usługi Remontowe");
        line("EdNIP")->setText(ValidNip);
        list("EdTyp")->setCurrentIndex(1);
        line("EdIdentyfUzup")->setText("123456785");
        line("EdPodpisA")->setText("Jan Kowalski");
        line("EdPodpisC")->setText("Łódź");
    }

    // Presses "&Zapisz" and tells whether the window closed.
    bool save()
    {
        frm->setResult(QDialog::Rejected);
        control<QPushButton>("PostBtn")->click();
        return frm->result() == QDialog::Accepted;
    }

    // Opens the window, lets the test act in it as the user, and gives ShowNew's or ShowCurrent's answer.
    bool run(bool isNew, const std::function<void()> &act)
    {
        modal.script = [&](QDialog &d) {
            if (d.objectName() == "TWybierzAdresatFrm") {
                d.findChild<QPushButton *>("SelectBtn")->click();
                return d.result();
            }
            act();
            return frm->result();
        };
        return isNew ? frm->ShowNew() : frm->ShowCurrent();
    }

    int storedOrders()
    {
        dm.Zusowe.fetchAll();
        return dm.Zusowe.fetchedCount();
    }

    // Every column of the row on which the list stands, as text.
    QStringList currentRow() const
    {
        QStringList columns;
        for (const QString &field : dm.Zusowe.fieldNames()) {
            const QVariant value = dm.Zusowe.value(field);
            columns << field + u'=' + (value.canConvert<Money>() && value.metaType() == QMetaType::fromType<Money>()
                                           ? value.value<Money>().toPlainString(2)
                                           : value.toString());
        }
        return columns;
    }

    QString column(const char *name) const { return dm.Zusowe.value(QLatin1String(name)).toString(); }

    FreshDatabase db;
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
    // A new window, as the main window opens for every use: what one use typed must not
    // stand in for what the next one reads.
    void freshWindow() { frm = std::make_unique<TZUSFrm>(); }

    std::unique_ptr<TZUSFrm> frm = std::make_unique<TZUSFrm>();
};

}

TEST_F(ZusEditor, ANewOrderIsATransferForLastMonthsDeclaration)
{
    const struct { QDate today; int month, year; } rows[] = {
        {QDate(2027, 1, 1), 12, 2026},
        {QDate(2027, 1, 31), 12, 2026},
        {QDate(2026, 3, 31), 2, 2026},
        {QDate(2026, 12, 31), 11, 2026},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.today.toString(Qt::ISODate).toStdString());
        frm->SetClock([&row] { return row.today; });
        run(true, [&] {
            EXPECT_EQ(control<QSpinBox>("EdMies")->value(), row.month);
            EXPECT_EQ(control<QSpinBox>("EdRok")->value(), row.year);
            EXPECT_EQ(line("EdNrDekl")->text(), "01");
            EXPECT_TRUE(control<QRadioButton>("Przelew")->isChecked());
            for (const char *type : {"EdTypWpl51", "EdTypWpl52", "EdTypWpl53", "EdTyp"})
                EXPECT_EQ(list(type)->currentIndex(), -1) << type;
            EXPECT_EQ(frm->focusWidget(), control("Przelew"));
            fillValid();
            EXPECT_TRUE(save());
        });
        EXPECT_EQ(dm.Zusowe.value("DATA_WPR").toDateTime(), row.today.startOfDay(Qt::UTC));
        EXPECT_EQ(dm.Zusowe.value("MIES_DEKL").toInt(), row.month);
    }
}

TEST_F(ZusEditor, SavingChecksInOrderAndStopsAtTheFirstMissingField)
{
    const struct {
        const char *what;
        std::function<void()> change;
        QStringList warnings;
        const char *focus; // nullptr: stored
    } rows[] = {
        {"no amount", [&] { for (auto *a : {"EdKwota51", "EdKwota53"}) amount(a)->SetValue(Money()); },
         {"Żadna kwota nie została podana."}, "EdKwota51"},
        {"51 untyped, the others complete", [&] { list("EdTypWpl51")->setCurrentIndex(-1); },
         {"Typ wpłaty dla ubezpieczenia społecznego nie podany."}, "EdTypWpl51"},
        {"52 paid untyped", [&] { amount("EdKwota52")->SetValue(Money::fromGrosze(1)); },
         {"Typ wpłaty dla ubezpieczenia zdrowotnego nie podany."}, "EdTypWpl52"},
        {"53 untyped", [&] { list("EdTypWpl53")->setCurrentIndex(-1); },
         {"Typ wpłaty dla FP i FGŚP nie podany."}, "EdTypWpl53"},
        {"type without amount is no fault", [&] { list("EdTypWpl52")->setCurrentIndex(2); }, {}, nullptr},
        {"transfer without account", [&] { line("EdKonto_Nad")->clear(); },
         {"Numer rachunku bankowego płatnika musi być podany."}, "EdKonto_Nad"},
        {"account of a payer without one", [&] { line("EdKonto_Nad")->setText(FormatAccount(QString())); },
         {"Numer rachunku bankowego płatnika musi być podany."}, "EdKonto_Nad"},
        {"invalid account only warns", [&] { line("EdKonto_Nad")->setText("61109010140000071219812875"); },
         {"Numer rachunku bankowego płatnika jest nieprawidłowy."}, nullptr},
        {"cash payment needs no account", [&] { transfer(false); line("EdKonto_Nad")->setText("12"); }, {}, nullptr},
        {"no payer", [&] { line("EdNazwa1_Nad")->setText("   "); }, {"Nazwa płatnika musi być podana."},
         "EdNazwa1_Nad"},
        {"no NIP", [&] { line("EdNIP")->clear(); }, {"NIP płatnika musi być podany."}, "EdNIP"},
        {"NIP in ten bare digits only warns", [&] { line("EdNIP")->setText("1234563218"); },
         {"NIP płatnika jest nieprawidłowy."}, nullptr},
        {"invalid NIP warns, then a missing field stops",
         [&] { line("EdNIP")->setText("1234563218"); line("EdIdentyfUzup")->clear(); },
         {"NIP płatnika jest nieprawidłowy.", "Drugi identyfikator płatnika musi być podany."}, "EdIdentyfUzup"},
        {"no declaration number", [&] { line("EdNrDekl")->clear(); }, {"Numer deklaracji musi być podany."},
         "EdNrDekl"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        const int before = storedOrders();
        const bool stored = run(true, [&] {
            fillValid();
            row.change();
            frm->setFocus();
            const bool closed = save();
            EXPECT_EQ(closed, row.focus == nullptr);
            if (row.focus) {
                EXPECT_EQ(frm->focusWidget(), control(row.focus));
            }
        });
        EXPECT_EQ(messages.warnings, row.warnings);
        EXPECT_EQ(stored, row.focus == nullptr);
        EXPECT_EQ(storedOrders(), before + (stored ? 1 : 0));
    }
}

TEST_F(ZusEditor, StoresWhatWasEnteredAndAStoredOrderSavesBackUnchanged)
{
    const struct { const char *what; bool transfer; QStringList expected; } rows[] = {
        {"transfer", true,
         {"PRZELEW=T", "TYP_WPL_51=S", "TYP_WPL_52=", "TYP_WPL_53=M", "KWOTA_51=100.00", "KWOTA_52=0.00",
          "KWOTA_53=50.25", "NR_DEC_51=DEC/51", "NR_DEC_52=", "KONTO_NAD=" + ValidAccount, "NIP_NAD=" + ValidNip,
          "TYP_IDENT=R", "IDENT_UZUP=123456785", "NR_DEKL=01", "PODPIS_A=Jan Kowalski", "PODPIS_B=",
          "PODPIS_C=Łódź", "NADAWCAID=", "DATA_PRZEK=", "PODPIS_D="}},
        // The account a cash payment shows is not stored.
        {"cash payment", false, {"PRZELEW=N", "KONTO_NAD="}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(run(true, [&] {
            fillValid();
            transfer(row.transfer);
            EXPECT_TRUE(save());
        }));
        const QStringList stored = currentRow();
        for (const QString &expected : row.expected)
            EXPECT_TRUE(stored.contains(expected)) << expected.toStdString() << " in " << stored.join(", ").toStdString();

        const int orders = storedOrders();
        dm.ReopenZusList(dm.Zusowe.value("PRZELEWID").toInt());
        freshWindow();
        EXPECT_TRUE(run(false, [&] {
            EXPECT_FALSE(frm->IsNew());
            EXPECT_EQ(line("EdKonto_Nad")->text(), row.transfer ? ValidAccount : QString());
            EXPECT_TRUE(save());
        }));
        EXPECT_EQ(currentRow(), stored);
        EXPECT_EQ(storedOrders(), orders);
    }
}

TEST_F(ZusEditor, ARowAnotherToolWroteShowsWhatItHoldsOrWarnsAndNeverSavesAMadeUpOrCutValue)
{
    const struct {
        const char *what;
        QString month, year, nip, secondId;  // as SQL literals
        QString monthShown, nipShown, secondIdShown;
        QStringList warnings;
        QStringList storedAfter;  // columns after "&Zapisz"
    } rows[] = {
        {"no declaration month and year stay none", "null", "null", "'123-456-32-18'", "'123456785'", "", "123-456-32-18",
         "123456785", {}, {"MIES_DEKL=", "ROK_DEKL=", "NIP_NAD=123-456-32-18"}},
        {"a month and year are shown and kept", "7", "2025", "'123-456-32-18'", "'123456785'", "7", "123-456-32-18",
         "123456785", {}, {"MIES_DEKL=7", "ROK_DEKL=2025"}},
        {"a NIP too long for the field shows and stores it without separators", "7", "2025", "'PL 123-456-32-18'",
         "'123456785'", "7", "PL1234563218", "123456785", {"NIP płatnika jest nieprawidłowy."},
         {"NIP_NAD=PL1234563218"}},
        {"a second identifier whose digits do not fit is not cut", "7", "2025", "'123-456-32-18'",
         "'123456789012345678'", "7", "123-456-32-18", "",
         {"Drugi identyfikator płatnika „123456789012345678” nie mieści się w polu (najwyżej 14 znaków); wpisz go "
          "ręcznie.",
          "Drugi identyfikator płatnika musi być podany."},
         {"IDENT_UZUP=123456789012345678"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({"delete from ZUS",
                    "insert into ZUS (PRZELEWID, PRZELEW, TYP_WPL_51, KWOTA_51, KWOTA_52, KWOTA_53, KONTO_NAD, NAZWA1_NAD, "
                    "NIP_NAD, TYP_IDENT, IDENT_UZUP, NR_DEKL, DATA_WPR, MIES_DEKL, ROK_DEKL) values (500, 'T', 'S', 100, 0, "
                    "0, '"
                        + ValidAccount + "', 'Jan', " + row.nip + ", 'R', " + row.secondId + ", '01', current_timestamp, " + row.month
                        + ", " + row.year + ")"});
        dm.ReopenZusList(500);
        messages.warnings.clear();
        freshWindow();
        run(false, [&] {
            EXPECT_EQ(control<QSpinBox>("EdMies")->text().trimmed(), row.monthShown);
            EXPECT_EQ(line("EdNIP")->text(), row.nipShown);
            EXPECT_EQ(line("EdIdentyfUzup")->text(), row.secondIdShown);
            save();
        });
        EXPECT_EQ(messages.warnings, row.warnings);
        dm.ReopenZusList(500);
        const QStringList stored = currentRow();
        for (const QString &expected : row.storedAfter)
            EXPECT_TRUE(stored.contains(expected)) << expected.toStdString() << " in " << stored.join(", ").toStdString();
    }
}

TEST_F(ZusEditor, TotalFollowsTheAmountsInTheUsersNumberFormat)
{
    const QString nbsp(QChar(0x00A0));
    const struct { QLocale locale; qint64 grosze51, grosze52, grosze53; QString total; } rows[] = {
        {QLocale(QLocale::Polish, QLocale::Poland), 10000, 15000, 5000, "300,00"},
        {QLocale(QLocale::Polish, QLocale::Poland), 0, 123456789, 0, "1" + nbsp + "234" + nbsp + "567,89"},
        {QLocale(QLocale::Polish, QLocale::Poland), 99999999900, 99999999900, 99999999900,
         "2" + nbsp + "999" + nbsp + "999" + nbsp + "997,00"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 100000, 1, 0, "1,000.01"},
    };
    const QLocale saved;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.total.toStdString());
        QLocale::setDefault(row.locale);
        run(true, [&] {
            EXPECT_EQ(control<QLabel>("KwotaLbl")->text(), QLocale().toString(0.0, 'f', 2));
            const struct { const char *name; qint64 grosze; } amounts[] = {
                {"EdKwota51", row.grosze51}, {"EdKwota52", row.grosze52}, {"EdKwota53", row.grosze53}};
            for (const auto &a : amounts) {
                amount(a.name)->SetValue(Money::fromGrosze(a.grosze));
                leave(a.name);
            }
            EXPECT_EQ(control<QLabel>("KwotaLbl")->text(), row.total);

            // The month's contribution is set for every payment, paid or not.
            control<QAbstractButton>("UstawSkladkaBtn")->click();
            for (const char *type : {"EdTypWpl51", "EdTypWpl52", "EdTypWpl53"})
                EXPECT_EQ(list(type)->currentText(), "S - składka za 1 m-c");
        });
    }
    QLocale::setDefault(saved);
}

TEST_F(ZusEditor, ThePayerChosenFillsTheOrderAndTheSecondIdentifier)
{
    db.execute({"insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_NAD, NAZWA2_NAD, NIP, REGON, PESEL, PODPIS_A_ZUS, "
                "PODPIS_C_ZUS) values (7, 'KOWALSKI', 'Kowalski Jan', 'Usługi', '123-456-32-18', '123456785', "
                "'44051401359', 'Jan Kowalski', 'Łódź')"});
    const struct {
        const char *what;
        bool transfer;
        QString account;   // the payer's
        int type;          // EdTyp before choosing: -1 none, 0 N, 1 R, 2 P
        QString secondId;  // before choosing
        QString accountShown, secondIdShown;
        int typeChosenAfter;    // EdTyp chosen by the user afterwards, -1 none
        QString secondIdAfter;
        // The payer's NIP and REGON as the directory keeps them, and the NIP shown: the
        // form's fields hold 14 characters, and a cut identifier must never be stored.
        QString nip = "123-456-32-18", regon = "123456785", nipShown = "123-456-32-18";
        QStringList warnings = {};
    } rows[] = {
        {"transfer, no type", true, ValidAccount, -1, "", FormatAccount(ValidAccount), "", 1, "123456785"},
        {"REGON type", true, "", 1, "", FormatAccount(QString()), "123456785", 0, "123456785"},
        {"PESEL type, cash payment", false, ValidAccount, 2, "", "typed", "44051401359", -1, "44051401359"},
        {"a second identifier typed stays", true, ValidAccount, 2, "AB1234", FormatAccount(ValidAccount), "AB1234",
         1, "123456785"},
        {"NUSP type, invalid account", true, "61109010140000071219812875", 0, "",
         FormatAccount("61109010140000071219812875"), "", 2, "44051401359"},
        {"an account kept with separators lands digit by digit", true, "61 1090 1014 0000 0712 1981 2874", -1, "",
         FormatAccount(ValidAccount), "", -1, ""},
        {"a NIP too long as written loses its separators", true, ValidAccount, -1, "", FormatAccount(ValidAccount), "",
         -1, "", "PL 123-456-32-18", "123456785", "PL1234563218"},
        {"a long REGON loses its separators", true, ValidAccount, 1, "", FormatAccount(ValidAccount),
         "12345678512347", -1, "12345678512347", "123-456-32-18", "123-456-785-12347"},
        {"a REGON chosen by its type afterwards too", true, ValidAccount, 0, "",
         FormatAccount(ValidAccount), "", 1, "12345678512347", "123-456-32-18", "123-456-785-12347"},
        {"an identifier whose digits do not fit is refused with a word", true, ValidAccount, -1, "",
         FormatAccount(ValidAccount), "", -1, "", "PL 1234567890123456", "123456785", "",
         {"NIP płatnika „PL 1234567890123456” nie mieści się w polu (najwyżej 14 znaków); wpisz go ręcznie."}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        db.execute({"update ADRESACI set KONTO = '" + row.account + "', NIP = '" + row.nip + "', REGON = '" + row.regon
                    + "'"});
        messages.warnings.clear();
        run(true, [&] {
            transfer(row.transfer);
            line("EdKonto_Nad")->setText("typed");
            line("EdNIP")->setText("999");
            line("EdPodpisB")->setText("old");
            list("EdTyp")->setCurrentIndex(row.type);
            line("EdIdentyfUzup")->setText(row.secondId);
            control<NameLine>("EdNazwa2_Nad")->ChooserAction()->trigger();
            EXPECT_EQ(line("EdNazwa1_Nad")->text(), "Kowalski Jan");
            EXPECT_EQ(line("EdNazwa2_Nad")->text(), "Usługi");
            EXPECT_EQ(line("EdKonto_Nad")->text(), row.accountShown);
            EXPECT_EQ(IsMarkedInvalid(line("EdKonto_Nad")), row.transfer && !IsValidAccount(row.accountShown));
            EXPECT_EQ(line("EdNIP")->text(), row.nipShown);
            EXPECT_EQ(line("EdIdentyfUzup")->text(), row.secondIdShown);
            EXPECT_EQ(line("EdPodpisA")->text(), "Jan Kowalski");
            EXPECT_EQ(line("EdPodpisB")->text(), "");
            EXPECT_EQ(line("EdPodpisC")->text(), "Łódź");
            if (row.typeChosenAfter >= 0) {
                list("EdTyp")->setCurrentIndex(row.typeChosenAfter);
                emit list("EdTyp")->activated(row.typeChosenAfter);
            }
            EXPECT_EQ(line("EdIdentyfUzup")->text(), row.secondIdAfter);
        });
        EXPECT_EQ(messages.warnings, row.warnings);
    }
}

TEST_F(ZusEditor, FocusMovesThroughTheFieldsInTheOrderOfTheForm)
{
    const QStringList expected = {
        "Wplata", "Przelew", "EdTypWpl51", "EdKwota51", "EdNrDec51", "EdTypWpl52", "EdKwota52", "EdNrDec52",
        "EdTypWpl53", "EdKwota53", "EdNrDec53", "EdKonto_Nad", "EdNazwa1_Nad", "EdNazwa2_Nad", "EdNIP", "EdTyp",
        "EdIdentyfUzup", "EdNrDekl", "EdMies", "EdRok", "EdPodpisA", "EdPodpisB", "EdPodpisC", "PostBtn",
        "CancelBtn"};
    QStringList order;
    QWidget *first = control("Wplata");
    QWidget *widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().startsWith("qt_")
            && !widget->objectName().isEmpty())
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() <= expected.size());
    EXPECT_EQ(order, expected);
}

namespace {

// The database refuses, as often as REFUSALS says, to commit a transaction that holds
// the payer "Zawodny".
class ZusEditorOnAFailingDatabase : public ZusEditor
{
protected:
    void SetUp() override
    {
        db.execute({"create exception COMMIT_REFUSED 'commit refused'"});
        db.execute({"create sequence REFUSALS"});
        db.execute({"create trigger REFUSE_ONCE on transaction commit as declare n bigint; begin "
                    "if (gen_id(REFUSALS, 0) > 0 and exists(select 1 from ZUS where NAZWA1_NAD = 'Zawodny')) then "
                    "begin n = gen_id(REFUSALS, -1); exception COMMIT_REFUSED; end end"});
        ZusEditor::SetUp();
    }
};

}

TEST_F(ZusEditorOnAFailingDatabase, AFailedSaveKeepsTheWindowOpenAndNeverAddsASecondRow)
{
    const struct {
        const char *what;
        QString firstName;   // typed before the first "&Zapisz"
        bool refuseCommit;
        QString secondName;  // typed before the second
    } rows[] = {
        // A character outside Windows-1250 cannot be stored.
        {"store refused", QString::fromUtf8("Jan \xe6\x97\xa5"), false, "Jan"},
        {"reopen refused after the store", "Zawodny", true, "Zawodny Jan"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        const int before = storedOrders();
        if (row.refuseCommit)
            db.execute({"alter sequence REFUSALS restart with 1"});
        EXPECT_TRUE(run(true, [&] {
            fillValid();
            line("EdNazwa1_Nad")->setText(row.firstName);
            EXPECT_FALSE(save());
            EXPECT_EQ(messages.warnings.size(), 1) << messages.warnings.join("\n").toStdString();
            EXPECT_EQ(line("EdNazwa1_Nad")->text(), row.firstName);
            EXPECT_NE(dm.Zusowe.state(), Dataset::State::Insert);
            EXPECT_NE(dm.Zusowe.state(), Dataset::State::Edit);
            line("EdNazwa1_Nad")->setText(row.secondName);
            EXPECT_TRUE(save());
        }));
        EXPECT_EQ(storedOrders(), before + 1);
        EXPECT_EQ(column("NAZWA1_NAD"), row.secondName);
    }
}
