#include "DatabasePath.h"
#include "FlatFiles.h"
#include "MessageRecorder.h"
#include "ModalScript.h"
#include "TWczytajWykazFrm.h"
#include "WhitelistCheck.h"
#include "WhitelistImport.h"
#include "WhitelistMenu.h"
#include "WindowControls.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct WindowRow
{
    const char *what;
    QString file;
    bool cancel;
    const char *said; // a part of the message that ends it
    QDate listDay;    // the list in force afterwards
};

QDate listDay(const QString &directory)
{
    const WhitelistResult result = CheckOnWhitelist(directory, Sample::Nip, Sample::ActiveAccount, QDate(2000, 1, 1));
    return std::holds_alternative<WhitelistError>(result) ? std::get<WhitelistError>(result).listDate : QDate();
}

}

TEST(WhitelistWindowTest, TheMenuReadsTheChosenFileUnderAProgressBarAndSaysTheDayOrWhyNot)
{
    QTemporaryDir home;
    const QString index = home.filePath(QStringLiteral("wspolny"));
    QFile ini(home.filePath(QStringLiteral("Zanderol.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Wykaz]\nKatalog=" + index.toUtf8() + "\n");
    ini.close();
    SetConfigDirectory(home.path());

    FlatFile previous = FlatFile::sample();
    previous.day = QStringLiteral("20261130");
    const QString previousFile = home.filePath(QStringLiteral("20261130.json"));
    WriteFlatFile(previousFile, previous.json());
    const QString archive = home.filePath(QStringLiteral("20261211.7z"));
    WriteFlatFile(archive, FlatFile::sample().json());
    const QString truncated = home.filePath(QStringLiteral("uciety.json"));
    WriteFlatFile(truncated, FlatFile::sample().json().left(400));
    FlatFile large = FlatFile::sample(1);
    for (int i = 0; i < 200000; ++i)
        large.active << EntryHash(QString::number(i), 1);
    const QString largeFile = home.filePath(QStringLiteral("duzy.json"));
    WriteFlatFile(largeFile, large.json());

    const WindowRow rows[] = {
        {"the archive read", archive, false, "z dnia 11.12.2026.\nCzynni podatnicy: 2, zwolnieni: 1", QDate(2026, 12, 11)},
        {"a truncated file", truncated, false, "niekompletny", QDate(2026, 11, 30)},
        {"cancelled", largeFile, true, "przerwano", QDate(2026, 11, 30)},
    };
    for (const WindowRow &row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(std::holds_alternative<FlatFileSummary>(ImportFlatFile(previousFile, index)));
        ModalScript dialogs;
        MessageRecorder messages;
        QString informed;
        dialogs.script = [&](QDialog &dialog) {
            if (auto *chooser = qobject_cast<QFileDialog *>(&dialog)) {
                chooser->selectFile(row.file);
                return int(QDialog::Accepted);
            }
            if (auto *import = qobject_cast<TWczytajWykazFrm *>(&dialog)) {
                if (row.cancel)
                    control<QPushButton>(*import, "PrzerwijBtn")->click();
                while (import->running())
                    QApplication::processEvents();
                QApplication::processEvents();
                return import->result();
            }
            informed = qobject_cast<QMessageBox *>(&dialog)->text();
            return int(QMessageBox::Ok);
        };
        QWidget window;
        QMenu system;
        AddWhitelistEntries(&system, &window);
        system.findChild<QAction *>(QStringLiteral("WczytajWykazMnu"))->trigger();

        const QString said = informed + messages.warnings.join(u'\n');
        EXPECT_TRUE(said.contains(QString::fromUtf8(row.said))) << said.toStdString();
        EXPECT_EQ(listDay(index), row.listDay);
    }
    SetConfigDirectory(QString());
}
