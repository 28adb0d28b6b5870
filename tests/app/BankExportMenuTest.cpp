#include "AppFixture.h"
#include "DatasetGrid.h"
#include "WindowControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
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

    qint32 add(const QString &title, bool transfer = true, const QDate &date = QDate())
    {
        QVariantMap columns{{QStringLiteral("NAZWA1_NAD"), QStringLiteral("Biuro")},
                            {QStringLiteral("NAZWA1_ODB"), QStringLiteral("Sklep")},
                            {QStringLiteral("KONTO_NAD"), Sender},
                            {QStringLiteral("KONTO_ODB"), Recipient},
                            {QStringLiteral("TYTUL1_ZAPL"), title},
                            {QStringLiteral("PRZELEW"), transfer ? QStringLiteral("T") : QStringLiteral("N")}};
        if (date.isValid())
            columns.insert(QStringLiteral("DATA_PRZEK"), date);
        return addTransfer(dm.Zwykle, columns);
    }
    QStringList fieldIn(const QString &path, int field) const
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList values;
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty())
                values << QString::fromLatin1(line.split(',').value(field)).remove(u'"');
        return values;
    }
    QStringList titlesIn(const QString &path) const { return fieldIn(path, 11); }
    QSet<QString> datesIn(const QString &path) const
    {
        const QStringList dates = fieldIn(path, 1);
        return QSet<QString>(dates.cbegin(), dates.cend());
    }

    QTemporaryDir settingsDir, files;
};

}

TEST_F(BankExportMenu, TheSelectedOrdersOrTheWholeListWhenChosenAndAgreedGoToTheFile)
{
    const QDate today = QDate::currentDate();
    const QDate yesterday = today.addDays(-1), tomorrow = today.addDays(1);
    const QString shown = QStringLiteral("dd.MM.yyyy");
    const qint32 first = add(QStringLiteral("A1"));
    add(QStringLiteral("B2"), true, tomorrow);
    const qint32 deposit = add(QStringLiteral("C3"), false);
    const qint32 last = add(QStringLiteral("D4"));
    const qint32 past = add(QStringLiteral("E5"), true, yesterday);
    const QString pastName = QStringLiteral("Przelew nr %1 (%2)").arg(past).arg(yesterday.toString(shown));
    const struct {
        const char *what;
        QList<qint32> selected;
        bool all;
        const char *pastChoice;  // the button pressed in the window, if any
        QList<bool> answers;
        QStringList titles;  // empty: no file written
        QStringList asked;   // a part of each question, in turn
        QString warning;     // a part of the one warning, if any
    } rows[] = {
        {"two selected rows", {first, last}, false, nullptr, {}, {"A1", "D4"}, {}, {}},
        {"one selected row is that order alone", {first}, false, nullptr, {}, {"A1"}, {}, {}},
        {"refusing the question writes nothing", {first, deposit}, false, nullptr, {false}, {},
         {QStringLiteral("Przelew nr %1: wpłata").arg(deposit)}, {}},
        {"nothing selected takes the whole list only when it is chosen", {}, false, nullptr, {}, {}, {},
         "Wybierz, które przelewy wyeksportować"},
        {"the whole list: its count and dates are asked, then the deposit", {}, true, "RbPrzeszleDzis", {true, true},
         {"A1", "B2", "D4", "E5"},
         {QStringLiteral("wszystkie przelewy wykazu: 5, z datą przelewu od %1 do %2, bez daty: 3")
              .arg(yesterday.toString(shown), tomorrow.toString(shown)),
          QStringLiteral("Przelew nr %1: wpłata").arg(deposit)},
         {}},
        {"the whole list, not agreed", {first}, true, nullptr, {false}, {}, {"wszystkie przelewy wykazu: 5"}, {}},
        {"a past-dated order is named and waits for a choice", {past}, false, nullptr, {}, {}, {},
         "Przelewy z datą przeszłą: " + pastName},
        {"a past-dated order left out leaves nothing", {past}, false, "RbPrzeszlePomin", {}, {}, {},
         "Żaden przelew nie trafia do pliku"},
        {"a past-dated order left out, the others written", {first, past}, false, "RbPrzeszlePomin", {}, {"A1"}, {},
         {}},
        {"a past-dated order moved to today", {first, past}, false, "RbPrzeszleDzis", {}, {"A1", "E5"}, {}, {}},
    };
    TMainFrm window;
    window.show();
    auto *grid = control<DatasetGrid>(window, "ZwykleGrid");
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        const QString path = files.filePath(QStringLiteral("%1.txt").arg(&row - rows));
        messages.questions.clear();
        messages.warnings.clear();
        for (const bool answer : row.answers)
            messages.answerNext(answer);
        dm.Zwykle.fetchAll();
        grid->clearSelection();
        for (int r = 0; r < dm.Zwykle.fetchedCount(); ++r)
            if (row.selected.contains(dm.Zwykle.valueAt(r, QStringLiteral("PRZELEWID")).toInt()))
                grid->selectionModel()->select(grid->model()->index(r, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QString pastNamed;
        modal.script = [&](QDialog &dialog) {
            EXPECT_EQ(dialog.objectName(), QStringLiteral("TEksportFrm"));
            control<QLineEdit>(dialog, "EdPlik")->setText(path);
            if (row.all)
                control<QAbstractButton>(dialog, "RbWszystkie")->click();
            if (!control<QWidget>(dialog, "GbPrzeszle")->isHidden())
                pastNamed = control<QLabel>(dialog, "lbPrzeszle")->text();
            if (row.pastChoice)
                control<QAbstractButton>(dialog, row.pastChoice)->click();
            control<QAbstractButton>(dialog, "ExportBtn")->click();
            return dialog.result();
        };
        // From the list's context menu, as the user reaches it with the right button.
        ASSERT_FALSE(grid->actions().isEmpty());
        grid->actions().first()->trigger();
        ASSERT_EQ(messages.questions.size(), row.asked.size()) << messages.questions.join(u'\n').toStdString();
        for (int q = 0; q < row.asked.size(); ++q)
            EXPECT_TRUE(messages.questions[q].contains(row.asked[q])) << messages.questions[q].toStdString();
        if (row.warning.isEmpty()) {
            EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join(u'\n').toStdString();
        } else {
            ASSERT_EQ(messages.warnings.size(), 1);
            EXPECT_TRUE(messages.warnings.first().contains(row.warning)) << messages.warnings.first().toStdString();
        }
        const bool pastTaken = row.selected.contains(past) || row.all;
        EXPECT_EQ(pastNamed, pastTaken ? pastName : QString());
        EXPECT_EQ(QFile::exists(path), !row.titles.isEmpty());
        if (!row.titles.isEmpty()) {
            EXPECT_EQ(titlesIn(path), row.titles);
            EXPECT_EQ(datesIn(path), QSet<QString>{today.toString(QStringLiteral("yyyyMMdd"))} |
                                         (row.titles.contains(QStringLiteral("B2"))
                                              ? QSet<QString>{tomorrow.toString(QStringLiteral("yyyyMMdd"))}
                                              : QSet<QString>{}));
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
            control<QAbstractButton>(dialog, "RbWszystkie")->click();
            control<QAbstractButton>(dialog, "ExportBtn")->click();
            return dialog.result();
        };
        messages.answerNext(true);
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
