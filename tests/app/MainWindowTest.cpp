#include "AppFixture.h"
#include "Backup.h"
#include "DatabaseCreator.h"
#include "DatasetGrid.h"
#include "DisplayFormat.h"
#include "FSzukajFrm.h"
#include "Guide.h"
#include "SettingsSandbox.h"
#include "TDrukFrm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

namespace {

class MainWindow : public AppFixture
{
protected:
    QToolButton *button(const char *name) const { return frm->findChild<QToolButton *>(QLatin1String(name)); }
    QAction *action(const char *name) const { return frm->findChild<QAction *>(QLatin1String(name)); }
    DatasetGrid *grid(const char *name) const { return frm->findChild<DatasetGrid *>(QLatin1String(name)); }
    QTabWidget *pages() const { return frm->findChild<QTabWidget *>(QStringLiteral("PageControl")); }

    void activate() const
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(frm.get(), &activation);
    }

    // Popraw, Usuń, Szukaj, Drukuj: the buttons that need a current row.
    std::vector<bool> rowButtons() const
    {
        return {button("EditBtn")->isEnabled(), button("DeleteBtn")->isEnabled(), button("FindBtn")->isEnabled(),
                button("PrintBtn")->isEnabled()};
    }
    static std::vector<bool> all(bool enabled) { return std::vector<bool>(4, enabled); }

    std::unique_ptr<TMainFrm> frm = std::make_unique<TMainFrm>();
};

}

TEST_F(MainWindow, ButtonsFollowTheListOfTheVisibleTab)
{
    addTransfer(dm.Podatkowe, {{"NAZWA1_NAD", "Podatnik"}});
    activate();
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(rowButtons(), all(false));
    EXPECT_TRUE(button("InsertBtn")->isEnabled());
    EXPECT_TRUE(button("CloseBtn")->isEnabled());

    pages()->setCurrentIndex(TMainFrm::Tax);
    EXPECT_EQ(rowButtons(), all(true));
    pages()->setCurrentIndex(TMainFrm::Zus);
    EXPECT_EQ(rowButtons(), all(false));

    // A list read again (a transfer stored in a dialog, another desktop's change) brings
    // the buttons up to date at once; returning to the window keeps them so.
    addTransfer(dm.Zusowe, {{"NAZWA1_NAD", "Płatnik"}});
    EXPECT_EQ(rowButtons(), all(true));
    activate();
    EXPECT_EQ(rowButtons(), all(true));
}

TEST_F(MainWindow, AddingUpdatesTheButtonsAndTheListStandsOnTheNewTransfer)
{
    activate();
    const qint32 older = addOrdinary("Starszy");
    const qint32 added = addOrdinary("Nowy");
    dm.ReopenOrdinaryList(added);
    button("InsertBtn")->click();
    EXPECT_EQ(rowButtons(), all(true));
    EXPECT_EQ(currentId(dm.Zwykle), added);
    EXPECT_EQ(grid("ZwykleGrid")->currentIndex().row(), 0);
    EXPECT_NE(older, added);
}

TEST_F(MainWindow, DeletingTheOnlyRowEmptiesTheListDurablyAndDisablesTheButtons)
{
    addOrdinary("Jedyny");
    activate();
    ASSERT_EQ(rowButtons(), all(true));

    messages.answerNext(true);
    button("DeleteBtn")->click();
    EXPECT_EQ(messages.questions, QStringList{"Usunąć zaznaczony przelew z wykazu?"});
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_TRUE(dm.Zwykle.isEmpty());
    EXPECT_EQ(rowButtons(), all(false));

    // The reopen committed the deletion: another connection no longer sees the row.
    TDM other;
    ASSERT_TRUE(other.ConnectDatabase());
    EXPECT_TRUE(other.Zwykle.isEmpty());
    DM = &dm;
}

TEST_F(MainWindow, DeletingLandsOnTheRowBelowOrOnTheNewLastRow)
{
    const qint32 oldest = addOrdinary("A");
    const qint32 middle = addOrdinary("B");
    const qint32 newest = addOrdinary("C");
    dm.ReopenOrdinaryList(middle);
    activate();

    messages.answerNext(true);
    button("DeleteBtn")->click();
    EXPECT_EQ(currentId(dm.Zwykle), oldest);
    EXPECT_EQ(grid("ZwykleGrid")->currentIndex().row(), 1);

    messages.answerNext(true);
    button("DeleteBtn")->click(); // the last row of the list
    EXPECT_EQ(currentId(dm.Zwykle), newest);
    EXPECT_EQ(dm.Zwykle.fetchedCount(), 1);
    EXPECT_EQ(grid("ZwykleGrid")->currentIndex().row(), 0);
    EXPECT_EQ(rowButtons(), all(true));
}

TEST_F(MainWindow, AnsweringNoChangesNothing)
{
    addOrdinary("A");
    const qint32 second = addOrdinary("B");
    addOrdinary("C");
    dm.ReopenOrdinaryList(second);
    activate();

    button("DeleteBtn")->click(); // the recorder answers No
    EXPECT_EQ(messages.questions.size(), 1);
    EXPECT_EQ(dm.Zwykle.fetchedCount(), 3);
    EXPECT_EQ(currentId(dm.Zwykle), second);
    EXPECT_EQ(rowButtons(), all(true));
}

TEST_F(MainWindow, DeletionActsOnTheListOfTheVisibleTab)
{
    addOrdinary("Zwykły");
    addTransfer(dm.Podatkowe, {{"NAZWA1_NAD", "Podatkowy"}});
    addTransfer(dm.Zusowe, {{"NAZWA1_NAD", "Zusowy"}});
    pages()->setCurrentIndex(TMainFrm::Zus);

    messages.answerNext(true);
    button("DeleteBtn")->click();
    EXPECT_TRUE(dm.Zusowe.isEmpty());
    EXPECT_FALSE(dm.Zwykle.isEmpty());
    EXPECT_FALSE(dm.Podatkowe.isEmpty());
    EXPECT_EQ(rowButtons(), all(false));
}

TEST_F(MainWindow, AFailedDeletionShowsTheDatabaseMessageAndTheWindowGoesOn)
{
    db.execute({"create exception NO_DELETE 'Przelewy archiwalne są chronione'",
                "create trigger ZWYKLE_PROTECT for ZWYKLE before delete as begin exception NO_DELETE; end"});
    const qint32 id = addOrdinary("Chroniony");
    activate();

    messages.answerNext(true);
    button("DeleteBtn")->click();
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.first().contains("Przelewy archiwalne są chronione")) << messages.warnings.first().toStdString();
    EXPECT_EQ(currentId(dm.Zwykle), id);
    EXPECT_EQ(rowButtons(), all(true));

    // The window still works: the next action goes through as usual.
    messages.answerNext(false);
    button("DeleteBtn")->click();
    EXPECT_EQ(messages.questions.size(), 2);
}

TEST_F(MainWindow, DoubleClickIsIgnoredWhileThereIsNoRowToCorrect)
{
    activate();
    ASSERT_FALSE(button("EditBtn")->isEnabled());
    emit grid("ZwykleGrid")->doubleClicked(QModelIndex());
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_TRUE(modal.titles.isEmpty());
}

// Where the screen allows, a row shows whole, the amounts at its end included; where
// it does not, the window takes the screen's width.
TEST_F(MainWindow, WithoutAPositionFileTheWindowShowsEveryColumnInTheMiddleOfTheScreen)
{
    EXPECT_FALSE(QFile::exists(TMainFrm::PositionFilePath()));
    frm->show();
    const QRect area = frm->screen()->availableGeometry();
    // Centred as far as the window's frame, which the program cannot know before it is shown.
    const QRect at = frm->geometry();
    const QRect frame = frm->frameGeometry();
    EXPECT_LE(at.width(), area.width());
    EXPECT_LE(at.height(), area.height());
    EXPECT_LE(std::abs(at.center().x() - area.center().x()), frame.width() - at.width()) << at.x();
    EXPECT_LE(std::abs(at.center().y() - area.center().y()), frame.height() - at.height()) << at.y();
    for (int tab = 0; tab < pages()->count(); ++tab) {
        pages()->setCurrentIndex(tab);
        const auto *list = pages()->currentWidget()->findChild<DatasetGrid *>();
        SCOPED_TRACE(list->objectName().toStdString());
        if (frm->width() < area.width())
            EXPECT_LE(list->horizontalHeader()->length() + list->verticalScrollBar()->sizeHint().width(),
                      list->viewport()->width());
        else
            EXPECT_EQ(frm->width(), area.width());
    }
    // The per-user file, not the configuration beside the executable.
    EXPECT_TRUE(TMainFrm::PositionFilePath().startsWith(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)));
    EXPECT_TRUE(TMainFrm::PositionFilePath().endsWith("/Tevalo/Zanderol.ini"));
}

TEST_F(MainWindow, ThePositionIsSavedAtTheEndAndRestoredAtTheNextStart)
{
    const int firstWidth = frm->width();
    frm->move(40, 30);
    frm->resize(900, 500);
    frm.reset();

    QSettings file(TMainFrm::PositionFilePath(), QSettings::IniFormat);
    EXPECT_EQ(file.value("Form/Top").toInt(), 30);
    EXPECT_EQ(file.value("Form/Left").toInt(), 40);
    EXPECT_EQ(file.value("Form/Width").toInt(), 900);
    EXPECT_EQ(file.value("Form/Height").toInt(), 500);

    frm = std::make_unique<TMainFrm>();
    EXPECT_EQ(frm->pos(), QPoint(40, 30));
    EXPECT_EQ(frm->size(), QSize(900, 500));

    // A key missing from the file takes the first start's value.
    file.remove("Form/Width");
    file.sync();
    frm = std::make_unique<TMainFrm>();
    EXPECT_EQ(frm->size(), QSize(firstWidth, 500));
}

TEST_F(MainWindow, TheTitleNamesTheOpenDatabaseAlsoAfterASwitchToARestoredOne)
{
    SettingsSandbox sandbox;
    frm->show();
    EXPECT_EQ(frm->windowTitle(), "Zanderol – " + db.path());

    const QString backup = QDir(db.directory()).filePath("kopia.fbk");
    BackupDatabase(db.path(), BuiltInLogin(), backup, {});
    const QString restored = QDir(db.directory()).filePath("odtworzona.fdb");
    modal.script = [&](QDialog &dialog) {
        auto *chooser = qobject_cast<QFileDialog *>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        chooser->selectFile(dialog.windowTitle().contains("plik kopii") ? backup : restored);
        return int(QDialog::Accepted);
    };
    messages.answerNext(true);
    action("OdtworzMnu")->trigger();
    EXPECT_EQ(frm->windowTitle(), "Zanderol – " + restored);
}

TEST_F(MainWindow, GridsShowTheirColumnsWithTheirWidthsAndAmountsFormatted)
{
    addOrdinary("Nadawca");
    const DatasetGrid *ordinary = grid("ZwykleGrid");
    const QAbstractItemModel *model = ordinary->model();
    ASSERT_EQ(model->columnCount(), 5);
    // The given widths, grown alike for the grid's font.
    const int widths[] = {168, 134, 139, 195, 82};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(ordinary->columnWidth(column), int(std::lround(widths[column] * ordinary->WidthScale()))) << column;
    EXPECT_EQ(model->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Zleceniodaca");
    EXPECT_EQ(model->data(model->index(0, 4)).toString(),
              FormatDisplay(QVariant::fromValue(Money::fromGrosze(12345)), "# ##0.00"));
    EXPECT_EQ(grid("PodatkoweGrid")->model()->columnCount(), 7);
    EXPECT_EQ(grid("RxDBGrid1")->model()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), "FP i FGŚP");
    EXPECT_EQ(ordinary->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(ordinary->selectionBehavior(), QAbstractItemView::SelectRows);
    // The selected row stays marked while the focus is elsewhere.
    EXPECT_EQ(ordinary->palette().color(QPalette::Inactive, QPalette::Highlight),
              ordinary->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(MainWindow, MenuLeadsToTheInformationWindowsAndHidesTaxTemplates)
{
    EXPECT_FALSE(action("SzablonyPodatMnu")->isVisible());
    EXPECT_TRUE(action("SzablonyZwykleMnu")->isVisible());
    // "Odsetki" acts from the menu bar itself.
    EXPECT_TRUE(frm->menuBar()->actions().contains(action("OdsetkiMnu")));
    EXPECT_EQ(action("OdsetkiMnu")->menu(), nullptr);

    QStringList texts;
    modal.script = [&texts](QDialog &dialog) {
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        return int(QDialog::Accepted);
    };
    action("OprogramieMnu")->trigger();
    action("OfertaMnu")->trigger();
    EXPECT_EQ(modal.titles, (QStringList{"O programie...", "Oferta"}));
    EXPECT_TRUE(texts.contains("Zanderol"));
    EXPECT_TRUE(texts.contains("Wersja 2.0"));
    EXPECT_TRUE(texts.contains("Oprogramowanie dla biur rachunkowych:"));
}

namespace {

// Stands in for the desktop's browser: keeps what it was asked to open.
class BrowserStandIn : public QObject
{
    Q_OBJECT
public:
    BrowserStandIn() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~BrowserStandIn() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

}

// The guide the build and the package put beside the program, with every picture it shows.
TEST_F(MainWindow, TheGuideOpensInTheBrowserWithItsPictures)
{
    BrowserStandIn browser;
    action("PodrecznikMnu")->trigger();
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    ASSERT_EQ(browser.opened, QList<QUrl>{QUrl::fromLocalFile(GuidePath())});
    QFile page(GuidePath());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains("Kilka stanowisk z jedną bazą"));
    EXPECT_FALSE(html.contains("README"));
    static const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    int pictures = 0;
    for (const QRegularExpressionMatch &found : picture.globalMatch(html)) {
        ++pictures;
        EXPECT_TRUE(QFileInfo(QFileInfo(GuidePath()).dir(), found.captured(1)).exists()) << found.captured(1).toStdString();
    }
    EXPECT_GE(pictures, 10);
}

TEST_F(MainWindow, SystemCloseAndTheCloseButtonCloseTheWindow)
{
    frm->show();
    action("Zamknij1")->trigger();
    EXPECT_FALSE(frm->isVisible());
    frm->show();
    button("CloseBtn")->click();
    EXPECT_FALSE(frm->isVisible());
}

TEST_F(MainWindow, SearchOpensForTheListOfTheVisibleTab)
{
    TSzukajFrm search;
    addTransfer(dm.Podatkowe, {{"NAZWA1_NAD", "Podatnik"}});
    pages()->setCurrentIndex(TMainFrm::Tax);
    button("FindBtn")->click();
    EXPECT_EQ(modal.titles, QStringList{"Szukaj"});
    EXPECT_EQ(search.ListKind(), TSzukajFrm::Tax);
}

TEST_F(MainWindow, PrintingOpensThePrintDialogForTheKindOfTheVisibleTab)
{
    TDrukFrm print;
    frm->SetPrintDialog(&print);
    addOrdinary("Zwykły");
    addTransfer(dm.Podatkowe, {{"NAZWA1_NAD", "Podatkowy"}});
    addTransfer(dm.Zusowe, {{"NAZWA1_NAD", "Zusowy"}});
    activate();
    for (const auto kind : {TMainFrm::Ordinary, TMainFrm::Tax, TMainFrm::Zus}) {
        pages()->setCurrentIndex(kind);
        button("PrintBtn")->click(); // cancelled by the script
    }
    EXPECT_EQ(modal.titles, (QStringList{"Przelew zwykły", "Przelew podatkowy", "Przelew ZUS"}));
    EXPECT_TRUE(messages.warnings.isEmpty());
    EXPECT_EQ(dm.Zwykle.value("NAZWA1_NAD").toString(), "Zwykły");
}

// A stored amount beyond what the program holds: "&Popraw" opens no editor that would
// show 0,00 and store it, "D&rukuj" prints nothing; each says why.
TEST_F(MainWindow, ATransferWithAnUnreadableAmountIsNeitherEditedNorPrinted)
{
    TDrukFrm print;
    frm->SetPrintDialog(&print);
    db.execute({"insert into ZWYKLE (PRZELEWID, KWOTA, DATA_WPR) values (1, 9999999999999999.99, current_timestamp)",
                "insert into PODATKOWE (PRZELEWID, KWOTA, DATA_WPR) values (2, 9999999999999999.99, current_timestamp)",
                "insert into ZUS (PRZELEWID, KWOTA_51, KWOTA_52, KWOTA_53, DATA_WPR) "
                "values (3, 0, 9999999999999999.99, 0, current_timestamp)"});
    dm.ReopenOrdinaryList(0);
    dm.ReopenTaxList(0);
    dm.ReopenZusList(0);
    activate();
    const QString why = "kwota 9999999999999999,99 zapisana w bazie danych jest większa, niż program potrafi odczytać";
    for (const auto kind : {TMainFrm::Ordinary, TMainFrm::Tax, TMainFrm::Zus}) {
        SCOPED_TRACE(kind);
        pages()->setCurrentIndex(kind);
        messages.warnings.clear();
        button("EditBtn")->click();
        button("PrintBtn")->click();
        EXPECT_EQ(messages.warnings, (QStringList{"Tej pozycji nie można poprawić: " + why + ". Można ją tylko usunąć.",
                                                  "Tego przelewu nie można wydrukować: " + why + "."}));
    }
    EXPECT_TRUE(modal.titles.isEmpty());
}

#include "MainWindowTest.moc"
