#include "DirectoryFixture.h"
#include "RowConflict.h"
#include "TAdresaciTbl.h"
#include "TAdresatFrm.h"

// Two desktops keep correcting one contractor while the contractors' window stays open
// here. A store here holds no lock on the row for the rest of the window's life, and a
// change the other desktop commits much later is asked about, never a conflict for good.
TEST_F(DirectoryFixture, AContractorStaysEditableOnTwoDesktopsWhileTheListIsOpen)
{
    insert({"insert into ADRESACI (ADRESATID, NAZWA) values (1, 'KOWALSKI')"});
    dm.ReopenContractors(0);
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase());
    DM = &dm;

    QString typed;
    on("TAdresatFrm", [&](QDialog &editor) {
        type(editor, "EdNazwa", typed);
        return press(editor, "PostBtn");
    });
    on("TAdresaciTbl", [&](QDialog &list) {
        typed = QStringLiteral("KOWALSKI JAN");
        click(list, "EditBtn");
        EXPECT_NO_THROW({
            other.ReopenContractors(1);
            other.Adresaci.edit();
            other.Adresaci.setValue(QStringLiteral("NAZWA"), QStringLiteral("KOWALSKI J."));
            other.Adresaci.post();
            other.trAdresaci.commit();
        });
        typed = QStringLiteral("KOWALSKI ADAM");
        click(list, "EditBtn");
        return press(list, "CloseBtn");
    });
    messages.answerNext(true);
    TAdresaciTbl(nullptr).ShowList();

    EXPECT_EQ(messages.questions, QStringList{RowConflict::ChangedQuestion});
    EXPECT_EQ(messages.warnings, QStringList{});
    EXPECT_EQ(committedNames(&TDM::Adresaci), QStringList{"KOWALSKI ADAM"});
}

// Another desktop deletes the contractor open here and gives its name to another one.
// Stored again, it meets that name: the user is told, changes the name, and the next
// "&Zapisz" stores it again under its number, as long as it takes.
TEST_F(DirectoryFixture, AContractorStoredAgainAfterADeletionElsewhereIsStoredOnceItsNameIsFree)
{
    insert({"insert into ADRESACI (ADRESATID, NAZWA, NIP) values (1, 'KOWALSKI', '1234563218')"});
    dm.ReopenContractors(1);
    const QString taken = QStringLiteral("Nazwa kontrahenta nie może się powtarzać!");
    QStringList warningsAfter;
    on("TAdresatFrm", [&](QDialog &editor) {
        insert({"delete from ADRESACI where ADRESATID = 1", "insert into ADRESACI (ADRESATID, NAZWA) values (2, 'NOWAK')"});
        messages.answerNext(true);
        type(editor, "EdNazwa", QStringLiteral("NOWAK"));
        EXPECT_EQ(press(editor, "PostBtn"), QDialog::Rejected);
        warningsAfter << messages.warnings.join(u'|');
        type(editor, "EdNazwa", QStringLiteral("NOWAK JAN"));
        return press(editor, "PostBtn");
    });
    EXPECT_TRUE(TAdresatFrm().ShowCurrent());
    EXPECT_EQ(messages.questions, QStringList{RowConflict::DeletedQuestion});
    EXPECT_EQ(warningsAfter, QStringList{taken});
    EXPECT_EQ(messages.warnings, QStringList{taken});
    EXPECT_EQ(committedNames(&TDM::Adresaci), (QStringList{"NOWAK", "NOWAK JAN"}));
    ASSERT_TRUE(dm.Adresaci.locate(QStringLiteral("ADRESATID"), 1));
    EXPECT_EQ(dm.Adresaci.value(QStringLiteral("NIP")).toString(), QStringLiteral("1234563218"));
}
