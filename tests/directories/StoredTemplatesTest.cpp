#include "DirectoryFixture.h"
#include "Money.h"
#include "TAdresatFrm.h"
#include "TSzablonPodatFrm.h"
#include "TSzablPodatTbl.h"
#include "TSzablZwykleTbl.h"
#include "TSzablonZwyklyFrm.h"
#include "TTytulFrm.h"
#include "TTytulyTbl.h"
#include "TUrzedyFrm.h"
#include "TUrzedyTbl.h"
#include "TAdresaciTbl.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// A directory whose stored rows an editor corrects.
struct Directory
{
    const char *editor, *table, *key;
    Dataset TDM::*list;
    // Reads the list anew, standing on the row given (0: the first).
    std::function<void(TDM &, qint32 id)> reopen;
    std::function<bool()> showCurrent;
    // The directory's list window, named as its class.
    const char *listWindow;
    std::function<void()> showList;
};

const Directory OrdinaryTemplates{"TSzablonZwyklyFrm", "SZZWYKLE", "PRZELEWID", &TDM::szZwykle,
                                  [](TDM &dm, qint32 id) { dm.ReopenOrdinaryTemplates(id); },
                                  [] { return TSzablonZwyklyFrm().ShowCurrent(); }, "TSzablZwykleTbl",
                                  [] { TSzablZwykleTbl(nullptr).ShowList(); }};
// The templates of contractor 1, which the templates window follows.
const Directory TaxTemplates{"TSzablonPodatFrm", "SZPODATKOWE", "PRZELEWID", &TDM::szPodatkowe,
                             [](TDM &dm, qint32 id) {
                                 dm.ReopenContractors(1);
                                 dm.ReopenTaxTemplates(1, id);
                             },
                             [] { return TSzablonPodatFrm().ShowCurrent(); }, "TSzablPodatTbl",
                             [] { TSzablPodatTbl().ShowList(); }};
const Directory Contractors{"TAdresatFrm", "ADRESACI", "ADRESATID", &TDM::Adresaci,
                            [](TDM &dm, qint32 id) { dm.ReopenContractors(id); },
                            [] { return TAdresatFrm().ShowCurrent(); }, "TAdresaciTbl",
                            [] { TAdresaciTbl(nullptr).ShowList(); }};
const Directory Titles{"TTytulFrm", "TYTULY", "TYTULID", &TDM::Tytuly,
                       [](TDM &dm, qint32 id) { dm.ReopenTitles(id); },
                       [] { return TTytulFrm().ShowCurrent(); }, "TTytulyTbl",
                       [] { TTytulyTbl().ShowList(); }};
const Directory TaxAuthorities{"TUrzedyFrm", "URZEDY", "URZADID", &TDM::Urzedy,
                               [](TDM &dm, qint32 id) { dm.ReopenTaxOffices(id); },
                               [] { return TUrzedyFrm().ShowCurrent(); }, "TUrzedyTbl",
                               [] { TUrzedyTbl().ShowList(); }};

// Two rows in each directory: identifiers 1 and 2, named "Pierwszy" and "Drugi".
class StoredTemplates : public DirectoryFixture
{
protected:
    void SetUp() override
    {
        insert({"insert into ADRESACI (ADRESATID, NAZWA) values (1, 'Pierwszy')",
                "insert into ADRESACI (ADRESATID, NAZWA) values (2, 'Drugi')",
                "insert into SZZWYKLE (PRZELEWID, NAZWA, KWOTA) values (1, 'Pierwszy', 10)",
                "insert into SZZWYKLE (PRZELEWID, NAZWA, KWOTA) values (2, 'Drugi', 20)",
                "insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (1, 'Pierwszy', 1, 10)",
                "insert into SZPODATKOWE (PRZELEWID, NAZWA, KONTRAHID, KWOTA) values (2, 'Drugi', 1, 20)",
                "insert into TYTULY (TYTULID, NAZWA, TYTUL1) values (1, 'Pierwszy', 'Tytuł')",
                "insert into TYTULY (TYTULID, NAZWA, TYTUL1) values (2, 'Drugi', 'Tytuł')",
                "insert into URZEDY (URZADID, NAZWA) values (1, 'Pierwszy')",
                "insert into URZEDY (URZADID, NAZWA) values (2, 'Drugi')"});
        DirectoryFixture::SetUp();
    }

    // What the database holds, once everything saved is committed: the column of each row, by identifier.
    QStringList committed(const Directory &directory, const char *column)
    {
        directory.reopen(dm, 0);
        dm.OpenQuery(QStringLiteral("select %1 from %2 order by %3")
                         .arg(QLatin1String(column), QLatin1String(directory.table), QLatin1String(directory.key)));
        QStringList values;
        for (dm.q.fetchAll(); values.size() < dm.q.fetchedCount();) {
            const QVariant value = dm.q.valueAt(int(values.size()), 0);
            values << (value.metaType() == QMetaType::fromType<Money>() ? value.value<Money>().toPlainString(2)
                                                                         : value.toString());
        }
        return values;
    }

    // The names of the rows as another desktop sees them now, by identifier.
    QStringList seenElsewhere(const Directory &directory)
    {
        QStringList names;
        {
            TDM other;
            if (!other.ConnectDatabase())
                return {QStringLiteral("<no connection>")};
            other.OpenQuery(QStringLiteral("select NAZWA from %1 order by %2")
                                .arg(QLatin1String(directory.table), QLatin1String(directory.key)));
            other.q.fetchAll();
            for (int row = 0; row < other.q.fetchedCount(); ++row)
                names << other.q.valueAt(row, 0).toString();
        }
        DM = &dm;
        return names;
    }

    // As the user types: each character is a key pressed in the field, over what the field holds.
    static void typeKeys(const QDialog &dialog, const char *field, const QString &text)
    {
        auto *line = control<QLineEdit>(dialog, field);
        line->selectAll();
        for (const QChar character : text) {
            QKeyEvent press(QEvent::KeyPress, character.unicode(), Qt::NoModifier, QString(character));
            QApplication::sendEvent(line, &press);
        }
    }
};

}

// Another tool stored an amount the field cannot hold; the field shows 0,00 and says so.
// Saving keeps that amount unless the user types one, and stores every other field.
TEST_F(StoredTemplates, AnAmountTheFieldCannotHoldStaysStoredUntilTheUserTypesOne)
{
    const struct {
        const char *what;
        const Directory &directory;
        const char *storedAmount;
        const char *typed;  // nullptr: the amount is left as shown
        QString kept;
    } rows[] = {
        {"ordinary, above the maximum, left alone", OrdinaryTemplates, "1000000000", nullptr, "1000000000.00"},
        {"ordinary, negative, left alone", OrdinaryTemplates, "-0.01", nullptr, "-0.01"},
        {"ordinary, an amount typed", OrdinaryTemplates, "1000000000", "12,5", "12.50"},
        {"ordinary, 0 typed is the user's own", OrdinaryTemplates, "-0.01", "0", "0.00"},
        {"tax, above the maximum, left alone", TaxTemplates, "1000000000", nullptr, "1000000000.00"},
        {"tax, negative, left alone", TaxTemplates, "-0.01", nullptr, "-0.01"},
        {"tax, an amount typed", TaxTemplates, "-0.01", "12,5", "12.50"},
        {"tax, 0 typed is the user's own", TaxTemplates, "1000000000", "0", "0.00"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        messages.warnings.clear();
        insert({QStringLiteral("update %1 set KWOTA = %2 where PRZELEWID = 2")
                    .arg(QLatin1String(row.directory.table), QLatin1String(row.storedAmount))});
        row.directory.reopen(dm, 2);
        on(row.directory.editor, [&](QDialog &editor) {
            EXPECT_EQ(control<QLineEdit>(editor, "EdKwota")->text(), QStringLiteral("0,00"));
            type(editor, "EdNazwa", QStringLiteral("Poprawiony"));
            if (row.typed)
                typeKeys(editor, "EdKwota", QLatin1String(row.typed));
            return press(editor, "PostBtn");
        });
        EXPECT_TRUE(row.directory.showCurrent());
        EXPECT_EQ(messages.warnings.size(), 1) << messages.warnings.join(u'\n').toStdString();
        EXPECT_EQ(committed(row.directory, "KWOTA"), (QStringList{"10.00", row.kept}));
        EXPECT_EQ(committed(row.directory, "NAZWA"), (QStringList{"Pierwszy", "Poprawiony"}));
        insert({QStringLiteral("update %1 set NAZWA = 'Drugi' where PRZELEWID = 2").arg(QLatin1String(row.directory.table))});
    }
}

// Another user deletes the row while it is open for correction, and the list is read
// again: "&Zapisz" changes no other row, says why and leaves the editor open.
TEST_F(StoredTemplates, SavingARowThatIsGoneTellsSoAndChangesNoOther)
{
    const struct {
        const Directory &directory;
        QString warning;
    } rows[] = {
        {OrdinaryTemplates, "Tego szablonu nie ma już w wykazie; poprawki nie zostały zapisane."},
        {TaxTemplates, "Tego szablonu nie ma już w wykazie; poprawki nie zostały zapisane."},
        {Contractors, "Tego wpisu nie ma już w wykazie; poprawki nie zostały zapisane."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.directory.editor);
        messages.warnings.clear();
        row.directory.reopen(dm, 2);
        bool stillOpen = false;
        on(row.directory.editor, [&](QDialog &editor) {
            insert({QStringLiteral("delete from %1 where %2 = 2")
                        .arg(QLatin1String(row.directory.table), QLatin1String(row.directory.key))});
            row.directory.reopen(dm, 0);
            type(editor, "EdNazwa", QStringLiteral("Poprawiony"));
            stillOpen = press(editor, "PostBtn") == QDialog::Rejected;
            return int(QDialog::Rejected);
        });
        EXPECT_FALSE(row.directory.showCurrent());
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(messages.warnings, QStringList{row.warning});
        EXPECT_EQ(committed(row.directory, "NAZWA"), QStringList{"Pierwszy"});
    }
}

// What a window stores or deletes, the other desktops see at once, while the window is
// still open: a change left in the open transaction would hold the row's lock against
// their edits of it and be lost with the connection.
TEST_F(StoredTemplates, EveryStoreAndDeletionIsCommittedAtOnce)
{
    for (const Directory *directory : {&OrdinaryTemplates, &TaxTemplates, &Contractors, &Titles, &TaxAuthorities}) {
        SCOPED_TRACE(directory->editor);
        directory->reopen(dm, 2);
        on(directory->editor, [&](QDialog &editor) {
            type(editor, "EdNazwa", QStringLiteral("Poprawiony"));
            return press(editor, "PostBtn");
        });
        EXPECT_TRUE(directory->showCurrent());
        EXPECT_EQ(seenElsewhere(*directory), (QStringList{"Pierwszy", "Poprawiony"}));

        directory->reopen(dm, 2);
        QStringList seenBeforeClosing;
        on(directory->listWindow, [&](QDialog &list) {
            (dm.*directory->list).locate(QLatin1String(directory->key), 2);
            messages.answerNext(true);
            click(list, "DeleteBtn");
            seenBeforeClosing = seenElsewhere(*directory);
            return int(QDialog::Rejected);
        });
        directory->showList();
        EXPECT_EQ(seenBeforeClosing, QStringList{"Pierwszy"});
    }
}
