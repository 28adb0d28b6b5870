#include "DirectoryFixture.h"
#include "TAdresaciTbl.h"
#include "TAdresatFrm.h"
#include "TWybierzAdresatFrm.h"
#include "ValidityMark.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTableView>

namespace {

class Contractors : public DirectoryFixture
{
protected:
    void addContractor(const QString &name, const QString &columns = {}, const QString &values = {})
    {
        insert({QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA%1) values (gen_id(GEN_ADRESATID, 1), '%2'%3)")
                    .arg(columns.isEmpty() ? QString() : QStringLiteral(", ") + columns, name,
                         values.isEmpty() ? QString() : QStringLiteral(", ") + values)});
        dm.ReopenContractors(0);
    }
    QString stored(const char *column) const { return dm.Adresaci.value(QLatin1String(column)).toString(); }

    static void leave(QWidget *field, Qt::FocusReason reason = Qt::TabFocusReason)
    {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(field, &out);
    }
};

const char *const TextColumns[] = {"NAZWA1_ODB", "NAZWA2_ODB", "NAZWA1_NAD", "NAZWA2_NAD", "KONTO", "NIP",
                                   "REGON", "PESEL", "TELEFON", "KOMORKA", "FAKS", "EMAIL", "PODPIS_A_POD",
                                   "PODPIS_B_POD", "PODPIS_C_POD", "PODPIS_A_ZUS", "PODPIS_B_ZUS", "PODPIS_C_ZUS"};

}

TEST_F(Contractors, SavingStoresTheNameAloneAsEmptyTextsAndCutsNumbersToTheirColumns)
{
    const QString longNumber = QString(40, u'1') + QString(20, u'2');
    struct Case
    {
        QString name, nip, regon;
        QStringList warnings;
        bool stored;
    } cases[] = {
        {"", "", "", {"Nazwa kontrahenta musi być podana."}, false},
        {"Sam", "", "", {}, true},
        {"Długie numery", longNumber, longNumber + u'3', {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        messages.warnings.clear();
        QString focus;
        on("TAdresatFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa", c.name);
            type(editor, "EdNIP", c.nip);
            type(editor, "EdRegon", c.regon);
            const int result = press(editor, "PostBtn");
            focus = focusName(editor);
            return result;
        });
        TAdresatFrm editor;
        EXPECT_EQ(editor.ShowNew(), c.stored);
        EXPECT_EQ(messages.warnings, c.warnings);
        if (!c.stored) {
            EXPECT_EQ(focus, QStringLiteral("EdNazwa"));
            EXPECT_TRUE(dm.Adresaci.isEmpty());
            continue;
        }
        EXPECT_EQ(stored("NAZWA"), c.name);
        EXPECT_EQ(stored("TYPIDENTYF"), QStringLiteral("B"));
        EXPECT_EQ(stored("NIP"), c.nip.left(50));
        EXPECT_EQ(stored("REGON"), c.regon.left(50));
        if (!c.nip.isEmpty())
            continue;
        for (const char *column : TextColumns)
            EXPECT_TRUE(dm.Adresaci.value(QLatin1String(column)).isValid() && stored(column).isEmpty()) << column;
    }
}

// The contractors' list does not carry the address and the notes (text blobs), and no
// field of the editor shows them: saving a change of the contractor leaves them exactly
// as stored, at any length, and a text never written stays without a value.
TEST_F(Contractors, SavingAChangeKeepsTheStoredAddressAndNotesExactly)
{
    const QString address = QStringLiteral("Biuro „Żuraw”\r\nul. Świętokrzyska 1 m. 2\r\n00-001 Warszawa");
    struct Case
    {
        QVariant address, notes;
    } cases[] = {
        {QVariant(), QVariant()},
        {address, QVariant()},
        {QVariant(), QString(32001, u'ś')},                                   // past the first segment
        {address.repeated(900), QString(96000, u'x') + QStringLiteral("koniec")}, // several segments
    };
    int number = 0;
    for (const Case &c : cases) {
        const QString name = QStringLiteral("Kontrahent %1").arg(++number);
        SCOPED_TRACE(name.toStdString());
        {
            FbTransaction transaction(dm.Baza);
            transaction.start();
            FbQuery add(transaction);
            add.setSql(QStringLiteral("insert into ADRESACI (ADRESATID, NAZWA, TELEFON, ADRESKOR, NOTATKI) values "
                                      "(gen_id(GEN_ADRESATID, 1), :NAZWA, '22 111 11 11', :ADRESKOR, :NOTATKI)"));
            add.setParam(QStringLiteral("NAZWA"), name);
            add.setParam(QStringLiteral("ADRESKOR"), c.address);
            add.setParam(QStringLiteral("NOTATKI"), c.notes);
            add.execute();
            transaction.commit();
        }
        dm.ReopenContractors(0);
        ASSERT_TRUE(dm.Adresaci.locate(QStringLiteral("NAZWA"), name));
        const qint32 id = dm.Adresaci.value(QStringLiteral("ADRESATID")).toInt();

        on("TAdresatFrm", [](QDialog &editor) {
            type(editor, "EdTelefon", QStringLiteral("58 301 22 33"));
            return press(editor, "PostBtn");
        });
        TAdresatFrm editor;
        ASSERT_TRUE(editor.ShowCurrent());
        dm.ReopenContractors(id); // commits the change

        dm.OpenQuery(QStringLiteral("select TELEFON, ADRESKOR, NOTATKI from ADRESACI where ADRESATID = %1").arg(id));
        EXPECT_EQ(dm.q.valueAt(0, 0).toString(), QStringLiteral("58 301 22 33"));
        for (const auto &[column, text] : {std::pair{1, c.address}, std::pair{2, c.notes}}) {
            const QVariant stored = dm.q.valueAt(0, column);
            EXPECT_TRUE(stored.isValid() == text.isValid() && stored.toString() == text.toString())
                << dm.q.fieldNames().value(column).toStdString() << ": " << (stored.isValid() ? "" : "no value, ")
                << stored.toString().size() << " characters stored, " << text.toString().size() << " expected";
        }
    }
}

TEST_F(Contractors, NumbersThatFailTheirChecksTurnRedOnLeavingAndAreStoredAsTyped)
{
    struct Case
    {
        const char *field;
        QString text;
        QString hint;   // empty: the number passes
        Qt::FocusReason reason = Qt::TabFocusReason;
    } cases[] = {
        {"EdNIP", "1234567890", "Nieprawidłowy NIP"},
        {"EdNIP", "526-104-08-28", ""},
        {"EdNIP", "1234567890", "", Qt::PopupFocusReason},   // a popup is not leaving the field
        {"EdRegon", "123456789", "Nieprawidłowy REGON"},
        {"EdPesel", "12345678901", "Nieprawidłowy PESEL"},
        {"EdPesel", "44051401359", ""},
        {"EdKonto", "12345678901234567890123456", "Nieprawidłowy numer rachunku bankowego"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text.toStdString());
        on("TAdresatFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa", QStringLiteral("K ") + QLatin1String(c.field) + c.text + QString::number(c.reason));
            auto *field = control<QLineEdit>(editor, c.field);
            field->setText(c.text);
            leave(field, c.reason);
            EXPECT_EQ(IsMarkedInvalid(field), !c.hint.isEmpty());
            EXPECT_EQ(field->toolTip(), c.hint);
            return press(editor, "PostBtn");
        });
        TAdresatFrm editor;
        ASSERT_TRUE(editor.ShowNew());
        const QString column = QString::fromLatin1(c.field).mid(2).toUpper();
        EXPECT_EQ(stored(column.toLatin1().constData()), c.text);
    }
}

TEST_F(Contractors, OpeningAStoredContractorShowsItsFailingNumbersAndItsIdentifierType)
{
    struct Case
    {
        const char *stored;
        const char *shown;
        const char *savedBack;
    } cases[] = {{"R", "R - REGON", "R"}, {"P", "P - PESEL", "P"}, {"X", "(brak)", "B"}, {"", "(brak)", "B"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stored);
        addContractor(QStringLiteral("Typ %1").arg(QLatin1String(c.stored)), QStringLiteral("TYPIDENTYF, NIP"),
                      QStringLiteral("'%1', '1234567890'").arg(QLatin1String(c.stored)));
        dm.Adresaci.locate(QStringLiteral("NAZWA"), QStringLiteral("Typ %1").arg(QLatin1String(c.stored)));
        QString shown;
        bool nipRed = false;
        on("TAdresatFrm", [&](QDialog &editor) {
            shown = control<QComboBox>(editor, "EdTypIdentyf")->currentText();
            nipRed = IsMarkedInvalid(control(editor, "EdNIP"));
            return press(editor, "PostBtn");
        });
        TAdresatFrm editor;
        ASSERT_TRUE(editor.ShowCurrent());
        EXPECT_EQ(shown, QLatin1String(c.shown));
        EXPECT_TRUE(nipRed);
        EXPECT_EQ(stored("TYPIDENTYF"), QLatin1String(c.savedBack));
        EXPECT_EQ(stored("NIP"), QStringLiteral("1234567890"));
    }
}

TEST_F(Contractors, KopiujReplacesTheSenderLinesWithTheRecipientLines)
{
    struct Case
    {
        QString recipient1, recipient2;
    } cases[] = {{"Hurtownia Żubr", "ul. Łąkowa 12"}, {"", ""}};
    for (const Case &c : cases) {
        TAdresatFrm editor;
        type(editor, "EdNazwa1_Odb", c.recipient1);
        type(editor, "EdNazwa2_Odb", c.recipient2);
        type(editor, "EdNazwa1_Nad", QStringLiteral("stary nadawca"));
        type(editor, "EdNazwa2_Nad", QStringLiteral("stary adres"));
        click(editor, "CopyBtn");
        EXPECT_EQ(control<QLineEdit>(editor, "EdNazwa1_Nad")->text(), c.recipient1);
        EXPECT_EQ(control<QLineEdit>(editor, "EdNazwa2_Nad")->text(), c.recipient2);
    }
}

// The list commits its corrections only when it closes: whichever way it is closed,
// the chooser that opened it then hands back the corrected lines.
TEST_F(Contractors, EveryWayOfClosingTheListCommitsWhatTheChooserHandsBack)
{
    addContractor(QStringLiteral("ŻUBR"), QStringLiteral("NAZWA1_ODB, KONTO"),
                  QStringLiteral("'Stara nazwa', '27114020040000360254826891'"));
    struct Case
    {
        const char *path;
        std::function<void(QDialog &)> close;
    } cases[] = {
        {"Zamknij", [](QDialog &list) { click(list, "CloseBtn"); }},
        {"Escape",
         [](QDialog &list) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&list, &escape);
         }},
        {"close box",
         [](QDialog &list) {
             list.show();
             list.close();
         }},
    };
    int round = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        const QString corrected = QStringLiteral("Nowa nazwa %1").arg(++round);
        on("TAdresatFrm", [&](QDialog &editor) {
            type(editor, "EdNazwa1_Odb", corrected);
            return press(editor, "PostBtn");
        });
        bool closed = false;
        on("TAdresaciTbl", [&](QDialog &list) {
            click(list, "EditBtn");
            c.close(list);
            closed = list.isHidden();
            return list.result();
        });
        on("TWybierzAdresatFrm", [](QDialog &chooser) {
            click(chooser, "KartotekaBtn");
            return press(chooser, "SelectBtn");
        });
        TWybierzAdresatFrm chooser;
        ASSERT_TRUE(chooser.ShowAt(0));
        EXPECT_TRUE(closed);
        EXPECT_EQ(chooser.Choice().NAZWA1_ODB, corrected);
        EXPECT_EQ(chooser.Choice().KONTO, QStringLiteral("27114020040000360254826891"));
    }
}

TEST_F(Contractors, AContractorAddedThroughKartotekaIsOfferedAndChosen)
{
    addContractor(QStringLiteral("BIURO"));
    addContractor(QStringLiteral("ŻUBR"));
    const qint32 zubr = dm.Adresaci.locate(QStringLiteral("NAZWA"), QStringLiteral("ŻUBR"))
        ? dm.Adresaci.value(QStringLiteral("ADRESATID")).toInt()
        : 0;
    on("TAdresatFrm", [this](QDialog &editor) {
        type(editor, "EdNazwa", QStringLiteral("KOWALSKI"));
        type(editor, "EdNazwa1_Nad", QStringLiteral("Jan Kowalski"));
        type(editor, "EdPesel", QStringLiteral("44051401359"));
        control<QComboBox>(editor, "EdTypIdentyf")->setCurrentIndex(3);
        return press(editor, "PostBtn");
    });
    on("TAdresaciTbl", [](QDialog &list) {
        click(list, "InsertBtn");
        return press(list, "CloseBtn");
    });
    QString standing;
    on("TWybierzAdresatFrm", [&](QDialog &chooser) {
        click(chooser, "KartotekaBtn");
        auto *grid = control<QTableView>(chooser, "KontrahGrid");
        standing = grid->model()->index(grid->currentIndex().row(), 0).data().toString();
        emit grid->doubleClicked(grid->currentIndex());
        return chooser.result();
    });
    TWybierzAdresatFrm chooser;
    ASSERT_TRUE(chooser.ShowAt(zubr));
    EXPECT_EQ(standing, QStringLiteral("KOWALSKI"));
    EXPECT_EQ(chooser.Choice().NAZWA1_NAD, QStringLiteral("Jan Kowalski"));
    EXPECT_EQ(chooser.Choice().PESEL, QStringLiteral("44051401359"));
    EXPECT_EQ(chooser.Choice().TYPIDENTYF, QStringLiteral("P"));
    EXPECT_GT(chooser.Choice().ADRESATID, zubr);
    EXPECT_EQ(committedNames(&TDM::Adresaci), (QStringList{"BIURO", "KOWALSKI", "ŻUBR"}));
}

TEST_F(Contractors, EmptyWindowsOfferNothingToCorrectOrChoose)
{
    std::vector<bool> enabled;
    on("TAdresaciTbl", [&](QDialog &list) {
        enabled.push_back(control(list, "EditBtn")->isEnabled());
        enabled.push_back(control(list, "DeleteBtn")->isEnabled());
        auto *grid = control<QTableView>(list, "AdresatGrid");
        emit grid->doubleClicked(grid->model()->index(0, 0));
        return press(list, "CloseBtn");
    });
    on("TWybierzAdresatFrm", [&](QDialog &chooser) {
        enabled.push_back(control(chooser, "SelectBtn")->isEnabled());
        auto *grid = control<QTableView>(chooser, "KontrahGrid");
        emit grid->doubleClicked(grid->model()->index(0, 0));
        return chooser.result();
    });
    TAdresaciTbl list;
    list.ShowList();
    TWybierzAdresatFrm chooser;
    EXPECT_FALSE(chooser.ShowAt(0));
    EXPECT_EQ(enabled, std::vector<bool>(3, false));
    EXPECT_EQ(opened, (QStringList{"TAdresaciTbl", "TWybierzAdresatFrm"}));
}
