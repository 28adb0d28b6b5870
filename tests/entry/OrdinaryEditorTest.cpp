#include "AccountEdit.h"
#include "DateValue.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "Globals.h"
#include "LengthCounter.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "MoneyEdit.h"
#include "DirectoryChooser.h"
#include "NameLine.h"
#include "NullableDateEdit.h"
#include "TZwyklyFrm.h"
#include "ValidityMark.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString RecipientAccount = QStringLiteral("61109010140000071219812874");
const QString SenderAccount = QStringLiteral("60102010260000042270201111");
const QString SenderAccountGrouped = QStringLiteral("60 1020 1026 0000 0422 7020 1111");
const QString WrongAccount = QStringLiteral("61109010140000071219812875");

QLineEdit *line(QDialog &editor, const char *name)
{
    auto *field = editor.findChild<QLineEdit *>(QLatin1String(name));
    EXPECT_NE(field, nullptr) << name;
    return field;
}

// As the user opens a chooser: the button at the end of a name or title line.
void openChooser(QDialog &editor, const char *lineName)
{
    editor.findChild<NameLine *>(QLatin1String(lineName))->ChooserAction()->trigger();
}

AccountEdit *recipientAccount(QDialog &editor)
{
    return editor.findChild<AccountEdit *>(QStringLiteral("EdKonto_Odb"));
}

MoneyEdit *amount(QDialog &editor)
{
    return editor.findChild<MoneyEdit *>(QStringLiteral("EdKwota"));
}

void click(QDialog &editor, const char *name)
{
    editor.findChild<QAbstractButton *>(QLatin1String(name))->click();
}

// The user leaves the field by Tab.
void leave(QWidget *field)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &event);
}

// What a bookkeeper types for an ordinary transfer with every required field.
void fillRequired(QDialog &editor)
{
    line(editor, "EdNazwa1_Odb")->setText(QStringLiteral("Odbiorca Sp. z o.o."));
    recipientAccount(editor)->SetDigits(RecipientAccount);
    amount(editor)->SetValue(Money::fromGrosze(12305));
    line(editor, "EdKonto_Nad")->setText(SenderAccountGrouped);
    line(editor, "EdNazwa1_Nad")->setText(QStringLiteral("Nadawca"));
    line(editor, "EdTytul1")->setText(QStringLiteral("Faktura 1/2026"));
}

class OrdinaryEditorTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm.ConnectDatabase()); }

    // Opens a fresh editor, new or on the list's current row, lets the user act in it,
    // and returns whether it closed having stored the order.
    bool runEditor(bool isNew, const std::function<void(TZwyklyFrm &)> &act)
    {
        modal.script = [&](QDialog &dialog) {
            if (dialog.objectName() != QLatin1String("TZwyklyFrm"))
                return chooser ? chooser(dialog) : int(QDialog::Rejected);
            act(static_cast<TZwyklyFrm &>(dialog));
            return dialog.result();
        };
        TZwyklyFrm editor;
        const bool stored = isNew ? editor.ShowNew() : editor.ShowCurrent();
        modal.script = nullptr;
        return stored;
    }

    // A stored order, the list reopened on it.
    qint32 addOrdinary(const QVariantMap &columns)
    {
        dm.Zwykle.append();
        const qint32 id = dm.NewTransferId();
        dm.Zwykle.setValue(QStringLiteral("PRZELEWID"), id);
        dm.Zwykle.setValue(QStringLiteral("DATA_WPR"), QDate(2026, 1, 5));
        dm.Zwykle.setValue(QStringLiteral("KWOTA"), QVariant::fromValue(Money::fromGrosze(100)));
        for (auto column = columns.cbegin(); column != columns.cend(); ++column)
            dm.Zwykle.setValue(column.key(), column.value());
        dm.Zwykle.post();
        dm.ReopenOrdinaryList(id);
        return id;
    }

    int storedCount()
    {
        dm.Zwykle.fetchAll();
        return dm.Zwykle.fetchedCount();
    }

    QVariant stored(const char *column) const { return dm.Zwykle.value(QLatin1String(column)); }

    // Answers the choosers the editor opens.
    std::function<int(QDialog &)> chooser;

    FreshDatabase db;
    MessageRecorder messages;
    ModalScript modal;
    TDM dm;
};

}

TEST_F(OrdinaryEditorTest, SavingRunsTheChecksInOrderStoppingAtAMissingFieldAndOnlyWarningAboutBadAccounts)
{
    const struct {
        const char *what;
        std::function<void(TZwyklyFrm &)> change;   // applied to a form with every required field
        QStringList warnings;
        const char *focus;                          // nullptr: stored and closed
    } rows[] = {
        {"everything required given", [](TZwyklyFrm &) {}, {}, nullptr},
        {"no recipient name comes first",
         [](TZwyklyFrm &e) {
             line(e, "EdNazwa1_Odb")->clear();
             amount(e)->SetValue(Money());
             line(e, "EdTytul1")->clear();
         },
         {"Nazwa odbiorcy musi być podana."}, "EdNazwa1_Odb"},
        {"no recipient account",
         [](TZwyklyFrm &e) {
             recipientAccount(e)->clear();
             amount(e)->SetValue(Money());
         },
         {"Numer rachunku odbiorcy musi być podany."}, "EdKonto_Odb"},
        {"a wrong recipient account warns, then a zero amount stops",
         [](TZwyklyFrm &e) {
             recipientAccount(e)->SetDigits(WrongAccount);
             amount(e)->SetValue(Money());
         },
         {"Numer rachunku odbiorcy jest nieprawidłowy.", "Kwota musi być podana."}, "EdKwota"},
        {"a wrong recipient account alone is stored", [](TZwyklyFrm &e) { recipientAccount(e)->SetDigits(WrongAccount); },
         {"Numer rachunku odbiorcy jest nieprawidłowy."}, nullptr},
        {"leaving the amount with no sender chosen leaves blanks",
         [](TZwyklyFrm &e) { leave(amount(e)); }, {"Numer rachunku zleceniodawcy musi być podany."}, "EdKonto_Nad"},
        {"separators are no sender account", [](TZwyklyFrm &e) { line(e, "EdKonto_Nad")->setText(" - -- "); },
         {"Numer rachunku zleceniodawcy musi być podany."}, "EdKonto_Nad"},
        {"a wrong sender account warns, then no sender name stops",
         [](TZwyklyFrm &e) {
             line(e, "EdKonto_Nad")->setText(WrongAccount);
             line(e, "EdNazwa1_Nad")->clear();
         },
         {"Numer rachunku zleceniodawcy jest nieprawidłowy.", "Nazwa zleceniodawcy musi być podana."}, "EdNazwa1_Nad"},
        {"no title", [](TZwyklyFrm &e) { line(e, "EdTytul1")->clear(); }, {"Tytuł zapłaty musi być podany."},
         "EdTytul1"},
        // Blanks alone would print empty boxes.
        {"a recipient name of blanks", [](TZwyklyFrm &e) { line(e, "EdNazwa1_Odb")->setText("   "); },
         {"Nazwa odbiorcy musi być podana."}, "EdNazwa1_Odb"},
        {"a sender name of blanks", [](TZwyklyFrm &e) { line(e, "EdNazwa1_Nad")->setText(" "); },
         {"Nazwa zleceniodawcy musi być podana."}, "EdNazwa1_Nad"},
        {"a title of blanks", [](TZwyklyFrm &e) { line(e, "EdTytul1")->setText("  "); },
         {"Tytuł zapłaty musi być podany."}, "EdTytul1"},
        {"a deposit needs no sender account",
         [](TZwyklyFrm &e) {
             line(e, "EdKonto_Nad")->clear();
             click(e, "Wplata");
         },
         {}, nullptr},
        {"a half-typed date is not stored as no date", [](TZwyklyFrm &e) { line(e, "EdData")->setText("31.02.2026"); },
         {"Nieprawidłowa data."}, "EdData"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        const int before = storedCount();
        QString focus;
        const bool closed = runEditor(true, [&](TZwyklyFrm &editor) {
            fillRequired(editor);
            row.change(editor);
            editor.PostBtnClick();
            if (editor.focusWidget())
                focus = editor.focusWidget()->objectName();
        });
        EXPECT_EQ(messages.warnings, row.warnings);
        EXPECT_EQ(closed, row.focus == nullptr);
        EXPECT_EQ(storedCount(), before + (row.focus ? 0 : 1));
        if (row.focus) {
            EXPECT_EQ(focus, QLatin1String(row.focus));
        }
    }
}

TEST_F(OrdinaryEditorTest, ANewOrderIsStoredAsTypedWithTodayAsItsEntryDate)
{
    const struct {
        const char *what;
        bool deposit;
        QString senderTyped;
        QDate date;
        QString senderStored;
    } rows[] = {
        {"transfer, account typed with hyphens, a date", false, "60-1020-1026-0000-0422-7020-1111", QDate(2026, 3, 5),
         SenderAccount},
        {"deposit, no sender taken, no date", true, "", QDate(), ""},
    };
    const QString longName = QStringLiteral("Przedsiębiorstwo Usług Różnych");   // 30 characters
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QDateTime before = QDateTime::currentDateTime();
        QString counter;
        bool yellow = false;
        ASSERT_TRUE(runEditor(true, [&](TZwyklyFrm &editor) {
            fillRequired(editor);
            line(editor, "EdNazwa1_Nad")->setText(longName);
            auto *lb = editor.findChild<LengthCounter *>(QStringLiteral("lbNazwa1_Nad"));
            counter = lb->text();
            yellow = lb->IsOverLimit();
            if (row.deposit)
                click(editor, "Wplata");
            else
                line(editor, "EdKonto_Nad")->setText(row.senderTyped);
            editor.findChild<NullableDateEdit *>(QStringLiteral("EdData"))->SetDate(row.date);
            editor.PostBtnClick();
        }));
        EXPECT_EQ(counter, "30 [27] ");
        EXPECT_TRUE(yellow);
        // The list stands on the new order.
        EXPECT_EQ(stored("NAZWA1_NAD").toString(), longName);
        EXPECT_EQ(stored("NAZWA2_NAD").toString(), "");
        EXPECT_EQ(stored("TYTUL2_ZAPL").toString(), "");
        EXPECT_EQ(stored("KONTO_ODB").toString(), RecipientAccount);
        EXPECT_EQ(stored("KONTO_NAD").toString(), row.senderStored);
        EXPECT_EQ(stored("PRZELEW").toString(), row.deposit ? "N" : "T");
        EXPECT_EQ(stored("KWOTA").value<Money>(), Money::fromGrosze(12305));
        EXPECT_EQ(stored("DATA_PRZEK").toDateTime().date(), row.date.isValid() ? row.date : DateValue::zeroDate());
        const QDateTime entered = stored("DATA_WPR").toDateTime();
        EXPECT_TRUE(entered.date() == before.date() || entered.date() == QDate::currentDate());
        EXPECT_EQ(entered.time(), QTime(0, 0));
        EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('|').toStdString();
    }
}

TEST_F(OrdinaryEditorTest, AStoredOrderOpensAsStoredAndSavingChangesThatOrderOnly)
{
    const struct {
        const char *what;
        QString kind;
        QString shared;
        QString senderStoredAfter;
    } rows[] = {
        {"transfer shows the stored sender account", "T", SenderAccountGrouped, SenderAccount},
        {"deposit shows the words and keeps the stored account", "N", "JED*ZER*ZER*ZER*ZER*50/100", SenderAccount},
        {"any other flag reads as a deposit", "t", "JED*ZER*ZER*ZER*ZER*50/100", SenderAccount},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const qint32 id = addOrdinary({{"NAZWA1_ODB", "Odbiorca"}, {"KONTO_ODB", WrongAccount}, {"PRZELEW", row.kind},
                                       {"KWOTA", QVariant::fromValue(Money::fromGrosze(1000050))},
                                       {"KONTO_NAD", SenderAccount}, {"NAZWA1_NAD", "Nadawca"},
                                       {"TYTUL1_ZAPL", "Czynsz"}, {"DATA_PRZEK", QDate(2026, 2, 1)}});
        addOrdinary({{"NAZWA1_ODB", "Inny"}});
        ASSERT_TRUE(dm.Zwykle.locate("PRZELEWID", id));
        const int before = storedCount();
        ASSERT_TRUE(dm.Zwykle.locate("PRZELEWID", id));
        QString shown, date;
        bool recipientRed = false;
        ASSERT_TRUE(runEditor(false, [&](TZwyklyFrm &editor) {
            EXPECT_FALSE(editor.IsNew());
            shown = line(editor, "EdKonto_Nad")->text();
            date = line(editor, "EdData")->text();
            recipientRed = IsMarkedInvalid(recipientAccount(editor));
            line(editor, "EdTytul2")->setText(QStringLiteral("luty"));
            editor.PostBtnClick();
        }));
        EXPECT_EQ(shown, row.shared);
        EXPECT_EQ(date, "01.02.2026");
        EXPECT_TRUE(recipientRed);
        EXPECT_EQ(storedCount(), before);
        EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), id);
        EXPECT_EQ(stored("TYTUL2_ZAPL").toString(), "luty");
        EXPECT_EQ(stored("KONTO_NAD").toString(), row.senderStoredAfter);
        EXPECT_EQ(stored("DATA_WPR").toDateTime().date(), QDate(2026, 1, 5));
    }
}

TEST_F(OrdinaryEditorTest, TabWalksTheFieldsTopToBottomAndEntersTheKindOnTheChosenOne)
{
    for (const char *chosen : {"Przelew", "Wplata"}) {
        SCOPED_TRACE(chosen);
        QStringList visited;
        runEditor(true, [&](TZwyklyFrm &editor) {
            editor.show();
            QApplication::setActiveWindow(&editor);
            click(editor, chosen);
            line(editor, "EdNazwa1_Odb")->setFocus(Qt::OtherFocusReason);
            for (int step = 0; step < 14; ++step) {
                QWidget *now = QApplication::focusWidget();
                visited << (now ? now->objectName() : QString());
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QApplication::sendEvent(now, &tab);
            }
            editor.reject();
        });
        EXPECT_EQ(visited, QStringList({"EdNazwa1_Odb", "EdNazwa2_Odb", "EdKonto_Odb", chosen, "EdKwota", "EdKonto_Nad",
                                        "EdNazwa1_Nad", "EdNazwa2_Nad", "EdTytul1", "EdTytul2", "EdData", "PostBtn",
                                        "CancelBtn", "SzablonBtn"}));
    }
}

namespace {

// The database refuses some orders, and, while asked to, the commit of a stored one.
// Triggers on commit are read when the connection is made.
class RefusingDatabaseTest : public OrdinaryEditorTest
{
protected:
    void SetUp() override
    {
        db.execute({"CREATE EXCEPTION REFUSED 'odmowa zapisu'",
                    "CREATE TRIGGER REFUSE_ORDER FOR ZWYKLE BEFORE INSERT OR UPDATE AS BEGIN "
                    "IF (NEW.NAZWA1_ODB = 'ODMOWA') THEN EXCEPTION REFUSED; END",
                    "CREATE TRIGGER REFUSE_COMMIT ON TRANSACTION COMMIT AS BEGIN "
                    "IF (RDB$GET_CONTEXT('USER_SESSION', 'REFUSE_COMMIT') = '1' "
                    "AND EXISTS (SELECT 1 FROM ZWYKLE WHERE NAZWA1_ODB = 'DO ZATWIERDZENIA')) THEN EXCEPTION REFUSED; END"});
        OrdinaryEditorTest::SetUp();
    }
};

}

TEST_F(RefusingDatabaseTest, AFailedStoreKeepsWhatWasTypedAndNeverAddsTheOrderTwice)
{
    const auto refuseCommits = [&](bool refuse) {
        dm.OpenQuery(QStringLiteral("SELECT RDB$SET_CONTEXT('USER_SESSION', 'REFUSE_COMMIT', '%1') FROM RDB$DATABASE")
                         .arg(refuse ? 1 : 0));
        dm.q.fetchAll();
    };
    const struct {
        const char *what;
        const char *recipient;
        bool refuseCommit;
        bool newAfterFirstSave;
    } rows[] = {
        {"the row is refused: nothing stays, still new", "ODMOWA", false, true},
        {"posted but not committed: the order exists, no longer new", "DO ZATWIERDZENIA", true, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        refuseCommits(row.refuseCommit);
        const int before = storedCount();
        bool newAfter = true;
        QString kept;
        const bool closed = runEditor(true, [&](TZwyklyFrm &editor) {
            fillRequired(editor);
            line(editor, "EdNazwa1_Odb")->setText(QLatin1String(row.recipient));
            editor.PostBtnClick();
            newAfter = editor.IsNew();
            kept = line(editor, "EdTytul1")->text();
            EXPECT_EQ(editor.result(), QDialog::Rejected);
            // The user tries again once the cause is gone.
            refuseCommits(false);
            line(editor, "EdNazwa1_Odb")->setText(QStringLiteral("Poprawiony"));
            editor.PostBtnClick();
        });
        EXPECT_EQ(newAfter, row.newAfterFirstSave);
        EXPECT_EQ(kept, "Faktura 1/2026");
        EXPECT_EQ(messages.warnings.size(), 1);
        EXPECT_TRUE(closed);
        EXPECT_EQ(storedCount(), before + 1);
        EXPECT_EQ(stored("NAZWA1_ODB").toString(), "Poprawiony");
    }
}

namespace {

// Two contractors, a title and two templates, there before the lists open.
class FilledDirectoriesTest : public OrdinaryEditorTest
{
protected:
    void SetUp() override
    {
        db.execute({"insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, NAZWA2_ODB, KONTO, NAZWA1_NAD, NAZWA2_NAD) "
                    "values (11, 'ALFA', 'Alfa odb. 1', 'Alfa odb. 2', '61109010140000071219812874', 'Alfa nad. 1', "
                    "'Alfa nad. 2')",
                    "insert into ADRESACI (ADRESATID, NAZWA, NAZWA1_ODB, KONTO, NAZWA1_NAD) "
                    "values (12, 'BETA', 'Beta odb.', '60102010260000042270201111', 'Beta nad.')",
                    "insert into TYTULY (TYTULID, NAZWA, TYTUL1, TYTUL2) values (21, 'CZYNSZ', 'Czynsz za', 'lokal 5')",
                    "insert into SZZWYKLE (PRZELEWID, NAZWA, ODBIORCAID, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, "
                    "NADAWCAID, NAZWA1_NAD, KONTO_NAD, TYTULID, TYTUL1_ZAPL) values (31, 'GOTÓWKA', 11, 'Szablon odb.', "
                    "'61109010140000071219812874', 'N', 1234.56, 12, 'Szablon nad.', '60102010260000042270201111', 21, "
                    "'Szablon tytuł')",
                    "insert into SZZWYKLE (PRZELEWID, NAZWA, NAZWA1_ODB, KONTO_ODB, PRZELEW, KWOTA, NAZWA1_NAD, "
                    "KONTO_NAD, TYTUL1_ZAPL) values (32, 'PRZELEW', 'Przelew odb.', '61109010140000071219812874', 'T', "
                    "10, 'Przelew nad.', '60-1020-1026-0000-0422-7020-1111', 'Przelew tytuł')"});
        OrdinaryEditorTest::SetUp();
    }

    // Answers the chooser of that name by choosing the row with that identifier, and
    // records on which identifier it opened.
    void choose(const char *name, const char *key, qint32 id)
    {
        chooser = [=, this](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), QLatin1String(name));
            Dataset &rows = static_cast<DirectoryChooser &>(dialog).Rows();
            openedOn << rows.value(QLatin1String(key)).toInt();
            EXPECT_TRUE(rows.locate(QLatin1String(key), id));
            dialog.findChild<QPushButton *>(QStringLiteral("SelectBtn"))->click();
            return dialog.result();
        };
    }

    QList<int> openedOn;
};

}

TEST_F(FilledDirectoriesTest, ChoosersFillCopiesOfTheEntriesAndOpenOnTheLastChosen)
{
    const struct {
        const char *what;
        const char *kind;
        QString shared;
        QString senderStored;
    } rows[] = {
        {"transfer shows the sender's account", "Przelew", SenderAccountGrouped, SenderAccount},
        {"deposit keeps the words, stores the sender's account", "Wplata", "JED*DWA*TRZ*5/100", SenderAccount},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        openedOn.clear();
        QString recipient2, account, sender2, title2, shared;
        ASSERT_TRUE(runEditor(true, [&](TZwyklyFrm &editor) {
            amount(editor)->SetValue(Money::fromGrosze(12305));
            click(editor, row.kind);
            choose("TWybierzAdresatFrm", "ADRESATID", 11);
            openChooser(editor, "EdNazwa1_Odb");
            choose("TWybierzAdresatFrm", "ADRESATID", 12);
            openChooser(editor, "EdNazwa2_Nad");
            choose("TWybierzTytulFrm", "TYTULID", 21);
            openChooser(editor, "EdTytul2");
            // Opened again: on the contractor last chosen for that side.
            choose("TWybierzAdresatFrm", "ADRESATID", 11);
            openChooser(editor, "EdNazwa1_Odb");
            choose("TWybierzAdresatFrm", "ADRESATID", 12);
            openChooser(editor, "EdNazwa2_Nad");
            recipient2 = line(editor, "EdNazwa2_Odb")->text();
            account = recipientAccount(editor)->Digits();
            title2 = line(editor, "EdTytul2")->text();
            shared = line(editor, "EdKonto_Nad")->text();
            editor.PostBtnClick();
        }));
        EXPECT_EQ(openedOn, QList<int>({11, 11, 21, 11, 12}));
        EXPECT_EQ(recipient2, "Alfa odb. 2");
        EXPECT_EQ(account, RecipientAccount);
        EXPECT_EQ(title2, "lokal 5");
        EXPECT_EQ(shared, row.shared);
        EXPECT_EQ(stored("NAZWA1_ODB").toString(), "Alfa odb. 1");
        EXPECT_EQ(stored("NAZWA1_NAD").toString(), "Beta nad.");
        EXPECT_EQ(stored("NAZWA2_NAD").toString(), "");
        EXPECT_EQ(stored("TYTUL1_ZAPL").toString(), "Czynsz za");
        EXPECT_EQ(stored("KONTO_NAD").toString(), row.senderStored);
        // The choosers' identifiers are not the order's.
        EXPECT_EQ(stored("ODBIORCAID").toInt(), 0);
    }
}

TEST_F(FilledDirectoriesTest, AZusContributionAccountIsNamedAndWarnsWhenItsNipIsNotTheSenders)
{
    db.execute({"update ADRESACI set NIP = '123-456-32-18' where ADRESATID = 12"});
    const QString warning = QStringLiteral("Rachunek odbiorcy to rachunek składkowy ZUS, a jego ostatnie dziesięć cyfr "
                                           "(%1) nie są numerem NIP zleceniodawcy (1234563218). Sprawdź, czy to "
                                           "rachunek składkowy tego płatnika, a nie innego.");
    const struct {
        const char *what;
        QString account;
        qint32 sender;  // 0: none chosen
        QString hint;
        QStringList warnings;
    } rows[] = {
        {"the sender's own NRS", "33600000020260001234563218", 12, AccountEdit::ZusContributionAccountHint, {}},
        {"another payer's NRS", "66600000020260007011234567", 12, AccountEdit::ZusContributionAccountHint,
         {warning.arg(QStringLiteral("7011234567"))}},
        {"an NRS with no sender to compare", "66600000020260007011234567", 0,
         AccountEdit::ZusContributionAccountHint, {}},
        {"a sender without a NIP", "66600000020260007011234567", 11, AccountEdit::ZusContributionAccountHint, {}},
        {"another bank's account is no NRS", "16600000020270001234563218", 12, QString(), {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        runEditor(true, [&](TZwyklyFrm &editor) {
            if (row.sender) {
                choose("TWybierzAdresatFrm", "ADRESATID", row.sender);
                openChooser(editor, "EdNazwa1_Nad");
            }
            recipientAccount(editor)->SetDigits(row.account);
            leave(recipientAccount(editor));
            EXPECT_EQ(recipientAccount(editor)->toolTip(), row.hint);
        });
        EXPECT_EQ(messages.warnings, row.warnings);
    }
}

TEST_F(FilledDirectoriesTest, ATemplateFillsANewOrAStoredOrderWithoutMakingItNew)
{
    const qint32 storedId = addOrdinary({{"NAZWA1_ODB", "Dawny"}, {"PRZELEW", "N"}, {"DATA_PRZEK", QDate(2026, 4, 1)}});
    const struct {
        const char *what;
        bool isNew;
        qint32 templateId;
        QString shared;
        QDate date;
        bool transfer;
    } rows[] = {
        {"a deposit template on a new order", true, 31, "JED*DWA*TRZ*CZT*56/100", QDate(), false},
        {"a transfer template on a stored order", false, 32, SenderAccountGrouped, QDate(2026, 4, 1), true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const int before = storedCount();
        if (!row.isNew) {
            ASSERT_TRUE(dm.Zwykle.locate("PRZELEWID", storedId));
        }
        choose("TWybierzSzablonZW", "PRZELEWID", row.templateId);
        QString shared;
        QDate date;
        bool newAfter = false;
        ASSERT_TRUE(runEditor(row.isNew, [&](TZwyklyFrm &editor) {
            editor.SzablonBtnClick();
            shared = line(editor, "EdKonto_Nad")->text();
            date = editor.findChild<NullableDateEdit *>(QStringLiteral("EdData"))->Date();
            newAfter = editor.IsNew();
            editor.PostBtnClick();
        }));
        EXPECT_EQ(shared, row.shared);
        EXPECT_EQ(date, row.date);
        EXPECT_EQ(newAfter, row.isNew);
        EXPECT_EQ(storedCount(), before + (row.isNew ? 1 : 0));
        EXPECT_EQ(stored("PRZELEW").toString(), row.transfer ? "T" : "N");
        EXPECT_EQ(stored("KONTO_NAD").toString(), SenderAccount);
        if (!row.isNew) {
            EXPECT_EQ(stored("PRZELEWID").toInt(), storedId);
        }
    }
}

TEST_F(OrdinaryEditorTest, TheQrButtonShowsThePaymentCodeOfATransferOnly)
{
    const struct {
        const char *what;
        std::function<void(QDialog &)> change;
        const char *payload;  // nullptr: no code shown
        bool enabled;
        QStringList warnings;
    } rows[] = {
        {"a transfer as typed", [](QDialog &) {}, "|PL|61109010140000071219812874|012305|Odbiorca Sp. z o.o.|Faktura 1/2026|||",
         true, {}},
        {"the title's two lines as one",
         [](QDialog &d) {
             line(d, "EdTytul2")->setText(QStringLiteral("i 2/2026"));
             amount(d)->SetValue(Money::fromGrosze(1000000));
         },
         "|PL|61109010140000071219812874||Odbiorca Sp. z o.o.|Faktura 1/2026 i 2/2026|||", true, {}},
        {"a cash deposit has no code", [](QDialog &d) { control<QAbstractButton>(d, "Wplata")->click(); }, nullptr,
         false, {}},
        {"a wrong recipient account", [](QDialog &d) { recipientAccount(d)->SetDigits(WrongAccount); }, nullptr, true,
         {"Kod QR wymaga prawidłowego numeru rachunku odbiorcy."}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        QString shown;
        chooser = [&shown](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("TKodQRFrm"));
            shown = control<QLabel>(dialog, "QrText")->text();
            EXPECT_FALSE(control<QLabel>(dialog, "QrImage")->pixmap().isNull());
            return int(QDialog::Accepted);
        };
        runEditor(true, [&](TZwyklyFrm &editor) {
            fillRequired(editor);
            row.change(editor);
            auto *button = control<QAbstractButton>(editor, "QrBtn");
            EXPECT_EQ(button->isEnabled(), row.enabled);
            button->click();
        });
        EXPECT_EQ(shown, row.payload ? QString::fromUtf8(row.payload) : QString());
        EXPECT_EQ(messages.warnings, row.warnings);
    }
}
