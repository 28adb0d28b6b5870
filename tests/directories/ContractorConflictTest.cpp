#include "DirectoryFixture.h"
#include "RowConflict.h"
#include "TAdresaciTbl.h"

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
