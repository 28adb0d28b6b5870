#include "AppFixture.h"
#include "DatasetGrid.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

const QString Sender = QStringLiteral("61109010140000071219812874");
const QString Recipient = QStringLiteral("72114020040000360254826891");

class BankExportMenu : public AppFixture
{
protected:
    BankExportMenu() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path()); }
    ~BankExportMenu() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }

    qint32 add(const QString &title, bool transfer = true)
    {
        return addTransfer(dm.Zwykle, {{QStringLiteral("NAZWA1_NAD"), QStringLiteral("Biuro")},
                                       {QStringLiteral("NAZWA1_ODB"), QStringLiteral("Sklep")},
                                       {QStringLiteral("KONTO_NAD"), Sender},
                                       {QStringLiteral("KONTO_ODB"), Recipient},
                                       {QStringLiteral("TYTUL1_ZAPL"), title},
                                       {QStringLiteral("PRZELEW"), transfer ? QStringLiteral("T") : QStringLiteral("N")}});
    }
    QStringList titlesIn(const QString &path) const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList titles;
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty())
                titles << QString::fromLatin1(line.split(',').value(11)).remove(u'"');
        return titles;
    }

    QTemporaryDir settingsDir, files;
};

}

TEST_F(BankExportMenu, TheSelectedOrdersOrTheWholeListGoToTheFileAndRefusedOnesOnlyWhenAgreed)
{
    const qint32 first = add(QStringLiteral("A1"));
    add(QStringLiteral("B2"));
    const qint32 deposit = add(QStringLiteral("C3"), false);
    const qint32 last = add(QStringLiteral("D4"));
    const struct {
        const char *what;
        QList<qint32> selected;
        bool agree;
        QStringList titles;  // empty: no file written
        int questions;
    } rows[] = {
        {"two selected rows", {first, last}, false, {"A1", "D4"}, 0},
        {"one selected row means the whole list, the deposit when agreed", {first}, true, {"A1", "B2", "D4"}, 1},
        {"refusing the question writes nothing", {first, deposit}, false, {}, 1},
    };
    TMainFrm window;
    window.show();
    auto *grid = control<DatasetGrid>(window, "ZwykleGrid");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = files.filePath(QStringLiteral("%1.txt").arg(&row - rows));
        messages.questions.clear();
        if (row.questions)
            messages.answerNext(row.agree);
        dm.Zwykle.fetchAll();
        grid->clearSelection();
        for (int r = 0; r < dm.Zwykle.fetchedCount(); ++r)
            if (row.selected.contains(dm.Zwykle.valueAt(r, QStringLiteral("PRZELEWID")).toInt()))
                grid->selectionModel()->select(grid->model()->index(r, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        modal.script = [&](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("TEksportFrm"));
            control<QLineEdit>(dialog, "EdPlik")->setText(path);
            control<QAbstractButton>(dialog, "ExportBtn")->click();
            return dialog.result();
        };
        // From the list's context menu, as the user reaches it with the right button.
        ASSERT_FALSE(grid->actions().isEmpty());
        grid->actions().first()->trigger();
        EXPECT_EQ(messages.questions.size(), row.questions);
        if (row.questions) {
            EXPECT_TRUE(messages.questions.first().contains(QStringLiteral("Przelew nr %1: wpłata").arg(deposit)));
        }
        EXPECT_EQ(QFile::exists(path), !row.titles.isEmpty());
        if (!row.titles.isEmpty()) {
            EXPECT_EQ(titlesIn(path), row.titles);
        }
    }
}

TEST_F(BankExportMenu, TheCodePageIsRememberedAndZusIsNotExported)
{
    add(QStringLiteral("A1"));
    TMainFrm window;
    const QString path = files.filePath(QStringLiteral("out.txt"));
    // The first export offers the default and the user takes CP852; the next one offers CP852.
    for (const char *offered : {"Windows-1250", "CP852 (DOS)"}) {
        SCOPED_TRACE(offered);
        QString shown;
        modal.script = [&](QDialog &dialog) {
            auto *pages = control<QComboBox>(dialog, "EdStronaKodowa");
            shown = pages->currentText();
            pages->setCurrentIndex(pages->findText(QStringLiteral("CP852 (DOS)")));
            control<QLineEdit>(dialog, "EdPlik")->setText(path);
            control<QAbstractButton>(dialog, "ExportBtn")->click();
            return dialog.result();
        };
        control<QAction>(window, "EksportMnu")->trigger();
        EXPECT_EQ(shown, QLatin1String(offered));
        EXPECT_TRUE(QFile::exists(path));
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tevalo"),
                       QStringLiteral("Zanderol"));
    EXPECT_EQ(settings.value(QStringLiteral("Eksport/StronaKodowa")).toString(), QStringLiteral("cp852"));

    control<QTabWidget>(window, "PageControl")->setCurrentIndex(TMainFrm::Zus);
    modal.script = [](QDialog &) { ADD_FAILURE() << "no export window for ZUS"; return int(QDialog::Rejected); };
    control<QAction>(window, "EksportMnu")->trigger();
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().startsWith(QStringLiteral("Przelewy ZUS nie są eksportowane")));
}
