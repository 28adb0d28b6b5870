#include "AppFixture.h"

#include <QAction>
#include <QPushButton>

// "Odsetki" opens the interest window as a calculator, without the insert buttons,
// and leaves both rate lists committed when it closes.
TEST_F(AppFixture, InterestMenuOpensTheCalculatorWithoutInsertButtons)
{
    TMainFrm frm;
    bool insertHidden = false;
    modal.script = [&](QDialog &window) {
        insertHidden = window.findChild<QPushButton *>("WstawPodatBtn")->isHidden()
            && window.findChild<QPushButton *>("WstawUstawBtn")->isHidden();
        window.reject();
        return window.result();
    };
    frm.findChild<QAction *>("OdsetkiMnu")->trigger();
    EXPECT_EQ(modal.titles, QStringList{"Odsetki"});
    EXPECT_TRUE(insertHidden);
    EXPECT_FALSE(dm.PodatkoweTrans.isActive());
    EXPECT_FALSE(dm.UstawoweTrans.isActive());
    EXPECT_TRUE(messages.warnings.isEmpty());
}
