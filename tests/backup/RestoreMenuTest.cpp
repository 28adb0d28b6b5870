#include "Backup.h"
#include "BackupMenu.h"
#include "FDM.h"
#include "FreshDatabase.h"
#include "IniFile.h"
#include "MessageRecorder.h"
#include "ModalScript.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QWidget>
#include <gtest/gtest.h>

// "Odtwórz z kopii…" from the menu: the program switches to the restored database only
// when the user agrees, and never restores over the open one.
TEST(RestoreMenu, SwitchesToTheNewFileOnlyWhenAskedAndNeverRestoresOverTheOpenOne)
{
    const struct
    {
        const char *name;
        bool ontoTheOpenOne;
        bool switchTo;
    } cases[] = {
        {"switched", false, true},
        {"kept", false, false},
        {"onto the open database", true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        FreshDatabase db;
        db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (7, 1, current_timestamp)"});
        const QString backup = QDir(db.directory()).filePath("kopia.fbk");
        BackupDatabase(db.path(), backup, {});
        const QString target = c.ontoTheOpenOne ? db.path() : QDir(db.directory()).filePath("odtworzona.fdb");

        MessageRecorder messages;
        messages.answerNext(c.switchTo);
        ModalScript modal;
        modal.script = [&](QDialog &dialog) {
            auto *chooser = qobject_cast<QFileDialog *>(&dialog);
            if (!chooser)
                return int(QDialog::Rejected);
            chooser->selectFile(dialog.windowTitle().contains("plik kopii") ? backup : target);
            return int(QDialog::Accepted);
        };
        TDM dm;
        ASSERT_TRUE(dm.ConnectDatabase());
        QWidget window;
        int switched = 0;
        OdtworzMnuClick(&window, [&] { ++switched; });

        const bool expectSwitch = c.switchTo && !c.ontoTheOpenOne;
        EXPECT_EQ(dm.Baza.databaseName(), expectSwitch ? target : db.path());
        EXPECT_EQ(ReadIniValue(QDir(db.directory()).filePath("Zanderol.ini"), "Baza", "Plik"), expectSwitch ? target : db.path());
        EXPECT_EQ(switched, expectSwitch ? 1 : 0);
        ASSERT_TRUE(dm.Zwykle.isOpen());
        EXPECT_EQ(dm.Zwykle.value("PRZELEWID").toInt(), 7);
        if (c.ontoTheOpenOne) {
            ASSERT_EQ(messages.warnings.size(), 1);
            EXPECT_TRUE(messages.warnings.first().startsWith("Odtworzyć można tylko do nowego pliku")) << messages.warnings.first().toStdString();
            EXPECT_TRUE(messages.questions.isEmpty());
        } else {
            EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
            EXPECT_EQ(messages.questions.size(), 1);
            EXPECT_TRUE(QFileInfo::exists(target));
        }
    }
}
