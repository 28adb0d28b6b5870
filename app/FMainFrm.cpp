#include "FMainFrm.h"

#include "BackupMenu.h"
#include "BusyCursor.h"
#include "DatasetGrid.h"
#include "ErrorReport.h"
#include "FAboutBox.h"
#include "FDM.h"
#include "FOdsetkiTbl.h"
#include "FOfertaFrm.h"
#include "FSzukajFrm.h"
#include "Guide.h"
#include "ListRefresher.h"
#include "ModalSeam.h"
#include "Pictures.h"
#include "PrintRun.h"
#include "RowStore.h"
#include "TDrukFrm.h"
#include "TEksportFrm.h"
#include "TPodatkowyFrm.h"
#include "TSzablPodatTbl.h"
#include "TAdresaciTbl.h"
#include "TSzablZwykleTbl.h"
#include "TTytulyTbl.h"
#include "TUrzedyTbl.h"
#include "TZwyklyFrm.h"
#include "TZUSFrm.h"
#include "Typy.h"
#include "WhitelistMenu.h"

#include <QDir>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int ButtonWidth = 66;
constexpr int ButtonHeight = 45;

const QString AmountFormat = QStringLiteral("# ##0.00");

const QString PositionSection = QStringLiteral("Form");
constexpr int FirstStartHeight = 400;

QToolButton *toolButton(QWidget *parent, const char *name, const QString &caption, ToolbarPicture picture)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIcon(DrawToolbarPicture(picture));
    button->setIconSize(QSize(24, 24));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setFixedSize(ButtonWidth, ButtonHeight);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QAction *menuAction(QWidget *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QWidget *page(DatasetGrid *grid, const char *name)
{
    auto *tab = new QWidget;
    tab->setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    return tab;
}

}

TMainFrm::TMainFrm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Zanderol"));
    setWindowIcon(ApplicationIcon());
    createToolbar();
    createPages();
    createMenu();
    new ListRefresher(*DM, this);
    // A list read again without this window (another desktop's change) may gain its first
    // row or lose its last: the buttons follow what the list shows.
    for (Dataset *list : {&DM->Zwykle, &DM->Podatkowe, &DM->Zusowe}) {
        connect(list, &Dataset::reset, this, &TMainFrm::UpdateButtons);
        connect(list, &Dataset::currentRowChanged, this, &TMainFrm::UpdateButtons);
    }
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    RestoreWindowPosition();
    UpdateButtons();
}

TMainFrm::~TMainFrm()
{
    SaveWindowPosition();
}

void TMainFrm::createToolbar()
{
    QToolBar *toolbar = addToolBar(QStringLiteral("Przyciski"));
    toolbar->setObjectName(QStringLiteral("ToolBar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->toggleViewAction()->setVisible(false);

    InsertBtn = toolButton(toolbar, "InsertBtn", QStringLiteral("&Dodaj"), ToolbarPicture::Insert);
    EditBtn = toolButton(toolbar, "EditBtn", QStringLiteral("&Popraw"), ToolbarPicture::Edit);
    DeleteBtn = toolButton(toolbar, "DeleteBtn", QStringLiteral("&Usuń"), ToolbarPicture::Delete);
    FindBtn = toolButton(toolbar, "FindBtn", QStringLiteral("&Szukaj"), ToolbarPicture::Find);
    PrintBtn = toolButton(toolbar, "PrintBtn", QStringLiteral("D&rukuj"), ToolbarPicture::Print);
    CloseBtn = toolButton(toolbar, "CloseBtn", QStringLiteral("&Zamknij"), ToolbarPicture::Close);
    for (QToolButton *button : {InsertBtn, EditBtn, DeleteBtn, FindBtn, PrintBtn})
        toolbar->addWidget(button);
    // Whatever the window's width, "Zamknij" keeps to the right edge.
    auto *spacer = new QWidget(toolbar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    toolbar->addWidget(CloseBtn);

    ConnectGuarded(InsertBtn, &QToolButton::clicked, this, &TMainFrm::InsertBtnClick);
    ConnectGuarded(EditBtn, &QToolButton::clicked, this, &TMainFrm::EditBtnClick);
    ConnectGuarded(DeleteBtn, &QToolButton::clicked, this, &TMainFrm::DeleteBtnClick);
    ConnectGuarded(FindBtn, &QToolButton::clicked, this, &TMainFrm::FindBtnClick);
    ConnectGuarded(PrintBtn, &QToolButton::clicked, this, &TMainFrm::PrintBtnClick);
    ConnectGuarded(CloseBtn, &QToolButton::clicked, this, &TMainFrm::CloseBtnClick);
}

void TMainFrm::createPages()
{
    ZwykleGrid = new DatasetGrid(DM->Zwykle, {
        {QStringLiteral("NAZWA1_NAD"), QStringLiteral("Zleceniodaca"), 168, {}},
        {QStringLiteral("NAZWA2_NAD"), QStringLiteral("Zleceniodawca cd."), 134, {}},
        {QStringLiteral("NAZWA1_ODB"), QStringLiteral("Odbiorca"), 139, {}},
        {QStringLiteral("NAZWA2_ODB"), QStringLiteral("Odbiorca cd."), 195, {}},
        {QStringLiteral("KWOTA"), QStringLiteral("Kwota"), 82, AmountFormat},
    });
    PodatkoweGrid = new DatasetGrid(DM->Podatkowe, {
        {QStringLiteral("NAZWA1_NAD"), QStringLiteral("Zleceniodaca"), 143, {}},
        {QStringLiteral("NAZWA2_NAD"), QStringLiteral("Zleceniodawca cd."), 134, {}},
        {QStringLiteral("NAZWA1_ODB"), QStringLiteral("Odbiorca"), 128, {}},
        {QStringLiteral("NAZWA2_ODB"), QStringLiteral("Odbiorca cd."), 135, {}},
        {QStringLiteral("KWOTA"), QStringLiteral("Kwota"), 82, AmountFormat},
        {QStringLiteral("SYMBOLFORM"), QStringLiteral("Symbol"), 63, {}},
        {QStringLiteral("OKRES"), QStringLiteral("Okres"), 56, {}},
    });
    RxDBGrid1 = new DatasetGrid(DM->Zusowe, {
        {QStringLiteral("NAZWA1_NAD"), QStringLiteral("Zleceniodaca"), 189, {}},
        {QStringLiteral("NAZWA2_NAD"), QStringLiteral("Zleceniodawca cd."), 174, {}},
        {QStringLiteral("ROK_DEKL"), QStringLiteral("Rok"), 0, {}},
        {QStringLiteral("MIES_DEKL"), QStringLiteral("Miesiąc"), 0, {}},
        {QStringLiteral("KWOTA_51"), QStringLiteral("Społeczne"), 94, AmountFormat},
        {QStringLiteral("KWOTA_52"), QStringLiteral("Zdrowotne"), 83, AmountFormat},
        {QStringLiteral("KWOTA_53"), QStringLiteral("FP i FGŚP"), 71, AmountFormat},
    });
    ZwykleGrid->setObjectName(QStringLiteral("ZwykleGrid"));
    PodatkoweGrid->setObjectName(QStringLiteral("PodatkoweGrid"));
    RxDBGrid1->setObjectName(QStringLiteral("RxDBGrid1"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(page(ZwykleGrid, "TabZwykle"), QStringLiteral("Zwykłe"));
    PageControl->addTab(page(PodatkoweGrid, "TabPodat"), QStringLiteral("Podatkowe"));
    PageControl->addTab(page(RxDBGrid1, "TabZUS"), QStringLiteral("ZUS"));
    PageControl->setCurrentIndex(Ordinary);
    setCentralWidget(PageControl);

    connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
    ConnectGuarded(ZwykleGrid, &DatasetGrid::doubleClicked, this, &TMainFrm::ZwykleGridDblClick);
    ConnectGuarded(PodatkoweGrid, &DatasetGrid::doubleClicked, this, &TMainFrm::PodatkoweGridDblClick);
    ConnectGuarded(RxDBGrid1, &DatasetGrid::doubleClicked, this, &TMainFrm::PodatkoweGridDblClick);
}

void TMainFrm::createMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu *system = bar->addMenu(QStringLiteral("System"));
    system->setObjectName(QStringLiteral("SystemMnu"));
    QAction *exportAction = menuAction(system, "EksportMnu", QStringLiteral("&Eksport do banku…"));
    ConnectGuarded(exportAction, &QAction::triggered, this, &TMainFrm::EksportMnuClick);
    // Several orders of a list go to the bank in one file: the lists select many rows.
    for (DatasetGrid *grid : {ZwykleGrid, PodatkoweGrid}) {
        grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
        grid->setContextMenuPolicy(Qt::ActionsContextMenu);
        grid->addAction(exportAction);
    }
    QAction *refresh = menuAction(system, "OdswiezMnu", QStringLiteral("&Odśwież"));
    refresh->setShortcut(Qt::Key_F5);
    ConnectGuarded(refresh, &QAction::triggered, this, &TMainFrm::OdswiezMnuClick);
    for (DatasetGrid *grid : {ZwykleGrid, PodatkoweGrid, RxDBGrid1})
        grid->addAction(refresh);
    RxDBGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    AddBackupEntries(system, this, [this] {
        ShowDatabaseName();
        UpdateButtons();
    });
    AddWhitelistEntries(system, this);
    ConnectGuarded(menuAction(system, "Zamknij1", QStringLiteral("&Zamknij")), &QAction::triggered, this,
                   &TMainFrm::Zamknij1Click);

    QMenu *lists = bar->addMenu(QStringLiteral("Wykazy"));
    lists->setObjectName(QStringLiteral("WykazyMnu"));
    ConnectGuarded(menuAction(lists, "AdresaciMnu", QStringLiteral("&Kontrahenci")), &QAction::triggered, this,
                   &TMainFrm::AdresaciMnuClick);
    ConnectGuarded(menuAction(lists, "UrzedyMnu", QStringLiteral("&Organy podatkowe")), &QAction::triggered, this,
                   &TMainFrm::UrzedyMnuClick);
    lists->addSeparator();
    ConnectGuarded(menuAction(lists, "TytulyMnu", QStringLiteral("&Tytuły zapłaty")), &QAction::triggered, this,
                   &TMainFrm::TytulyMnuClick);

    QMenu *templates = bar->addMenu(QStringLiteral("Szablony"));
    templates->setObjectName(QStringLiteral("SzablonyMnu"));
    ConnectGuarded(menuAction(templates, "SzablonyZwykleMnu", QStringLiteral("Zanderol &zwykłe")),
                   &QAction::triggered, this, &TMainFrm::SzablonyZwykleMnuClick);
    QAction *taxTemplates = menuAction(templates, "SzablonyPodatMnu", QStringLiteral("Zanderol &podatkowe"));
    // Present but never shown: the user has no way to these templates.
    taxTemplates->setVisible(false);
    ConnectGuarded(taxTemplates, &QAction::triggered, this, &TMainFrm::SzablonyPodatMnuClick);

    ConnectGuarded(menuAction(bar, "OdsetkiMnu", QStringLiteral("Odsetki")), &QAction::triggered, this,
                   &TMainFrm::OdsetkiMnuClick);

    QMenu *information = bar->addMenu(QStringLiteral("Informacje"));
    information->setObjectName(QStringLiteral("InformacjeMnu"));
    ConnectGuarded(menuAction(information, "PodrecznikMnu", QStringLiteral("&Podręcznik")), &QAction::triggered, this,
                   &TMainFrm::PodrecznikMnuClick);
    ConnectGuarded(menuAction(information, "OfertaMnu", QStringLiteral("Oferta")), &QAction::triggered, this,
                   &TMainFrm::OfertaMnuClick);
    information->addSeparator();
    ConnectGuarded(menuAction(information, "OprogramieMnu", QStringLiteral("O programie")), &QAction::triggered, this,
                   &TMainFrm::OprogramieMnuClick);
}

bool TMainFrm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::Show)
        ShowDatabaseName();
    return QMainWindow::event(event);
}

TMainFrm::ListKind TMainFrm::VisibleKind() const
{
    return ListKind(PageControl->currentIndex());
}

Dataset &TMainFrm::VisibleList() const
{
    switch (VisibleKind()) {
    case Tax: return DM->Podatkowe;
    case Zus: return DM->Zusowe;
    case Ordinary: break;
    }
    return DM->Zwykle;
}

void TMainFrm::ReopenVisibleList(qint32 id)
{
    switch (VisibleKind()) {
    case Ordinary: DM->ReopenOrdinaryList(id); break;
    case Tax: DM->ReopenTaxList(id); break;
    case Zus: DM->ReopenZusList(id); break;
    }
}

void TMainFrm::UpdateButtons()
{
    const bool hasRow = VisibleList().currentRow() >= 0;
    for (QToolButton *button : {EditBtn, DeleteBtn, FindBtn, PrintBtn})
        button->setEnabled(hasRow);
}

QString TMainFrm::PositionFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tevalo/Zanderol.ini");
}

void TMainFrm::ShowDatabaseName()
{
    const QString database = DM->Baza.databaseName();
    setWindowTitle(database.isEmpty() ? QStringLiteral("Zanderol") : QStringLiteral("Zanderol – %1").arg(database));
}

QRect TMainFrm::FirstStartGeometry() const
{
    int listWidth = 0;
    for (const DatasetGrid *grid : {ZwykleGrid, PodatkoweGrid, RxDBGrid1})
        listWidth = std::max(listWidth, grid->FullWidth());
    // The tabs' frame around a list, as the tabs' size hint counts it around a page.
    const int around = PageControl->sizeHint().width() - ZwykleGrid->sizeHint().width();
    const QRect area = screen()->availableGeometry();
    const QSize size(std::min(listWidth + around, area.width()), std::min(FirstStartHeight, area.height()));
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area);
}

void TMainFrm::RestoreWindowPosition()
{
    // A key missing from the file takes the first start's value.
    const QRect first = FirstStartGeometry();
    QSettings file(PositionFilePath(), QSettings::IniFormat);
    file.beginGroup(PositionSection);
    const int top = file.value(QStringLiteral("Top"), first.top()).toInt();
    const int left = file.value(QStringLiteral("Left"), first.left()).toInt();
    const int width = file.value(QStringLiteral("Width"), first.width()).toInt();
    const int height = file.value(QStringLiteral("Height"), first.height()).toInt();
    move(left, top);
    resize(width, height);
}

void TMainFrm::SaveWindowPosition()
{
    QDir().mkpath(QFileInfo(PositionFilePath()).absolutePath());
    QSettings file(PositionFilePath(), QSettings::IniFormat);
    file.beginGroup(PositionSection);
    file.setValue(QStringLiteral("Top"), y());
    file.setValue(QStringLiteral("Left"), x());
    file.setValue(QStringLiteral("Width"), width());
    file.setValue(QStringLiteral("Height"), height());
}

void TMainFrm::FormActivate()
{
    UpdateButtons();
}

void TMainFrm::PageControlChange()
{
    UpdateButtons();
}

void TMainFrm::InsertBtnClick()
{
    switch (VisibleKind()) {
    case Ordinary: {
        TZwyklyFrm editor(this);
        editor.ShowNew();
        break;
    }
    case Tax: {
        TPodatkowyFrm editor(this);
        editor.ShowNew();
        break;
    }
    case Zus: {
        TZUSFrm editor(this);
        editor.ShowNew();
        break;
    }
    }
    UpdateButtons();
}

void TMainFrm::EditBtnClick()
{
    VisibleList().requireEditable();
    switch (VisibleKind()) {
    case Ordinary: {
        TZwyklyFrm editor(this);
        editor.ShowCurrent();
        break;
    }
    case Tax: {
        TPodatkowyFrm editor(this);
        editor.ShowCurrent();
        break;
    }
    case Zus: {
        TZUSFrm editor(this);
        editor.ShowCurrent();
        break;
    }
    }
}

void TMainFrm::ZwykleGridDblClick()
{
    if (EditBtn->isEnabled())
        EditBtnClick();
}

void TMainFrm::PodatkoweGridDblClick()
{
    if (EditBtn->isEnabled())
        EditBtnClick();
}

void TMainFrm::DeleteBtnClick()
{
    if (!DM->AskConfirmation(QStringLiteral("Usunąć zaznaczony przelew z wykazu?")))
        return;
    Dataset &list = VisibleList();
    if (!RemoveCurrentRow(list)) {
        UpdateButtons();
        return;
    }
    // The row that followed the deleted one, or the new last row.
    const qint32 id = list.isEmpty() ? 0 : list.value(QStringLiteral("PRZELEWID")).toInt();
    ReopenVisibleList(id);
    UpdateButtons();
}

void TMainFrm::FindBtnClick()
{
    if (!SzukajFrm)
        return;
    switch (VisibleKind()) {
    case Ordinary: SzukajFrm->SearchOrdinary(); break;
    case Tax: SzukajFrm->SearchTax(); break;
    case Zus: SzukajFrm->SearchZus(); break;
    }
}

void TMainFrm::PrintBtnClick()
{
    if (!printDialog_)
        return;
    const qint32 id = VisibleList().value(QStringLiteral("PRZELEWID")).toInt();
    switch (VisibleKind()) {
    case Ordinary: {
        TZwykly record;
        record.Load(id);
        RunPrint(record, *printDialog_);
        break;
    }
    case Tax: {
        TPodatkowy record;
        record.Load(id);
        RunPrint(record, *printDialog_);
        break;
    }
    case Zus: {
        TZUS record;
        record.Load(id);
        RunPrint(record, *printDialog_);
        break;
    }
    }
}

void TMainFrm::OdswiezMnuClick()
{
    const BusyCursor busy;
    DM->ReopenOnCurrentRow(VisibleList());
    UpdateButtons();
}

void TMainFrm::CloseBtnClick()
{
    close();
}

void TMainFrm::Zamknij1Click()
{
    close();
}

void TMainFrm::AdresaciMnuClick()
{
    TAdresaciTbl list(this);
    list.ShowList();
}

void TMainFrm::UrzedyMnuClick()
{
    TUrzedyTbl list(this);
    list.ShowList();
}

void TMainFrm::TytulyMnuClick()
{
    TTytulyTbl list(this);
    list.ShowList();
}

void TMainFrm::SzablonyZwykleMnuClick()
{
    TSzablZwykleTbl list(this);
    list.ShowList();
}

QList<qint32> TMainFrm::SelectedIds() const
{
    const DatasetGrid *grid = VisibleKind() == Ordinary ? ZwykleGrid : PodatkoweGrid;
    const Dataset &list = VisibleList();
    QList<int> rows;
    for (const QModelIndex &index : grid->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<qint32> ids;
    for (const int row : rows)
        if (row >= 0 && row < list.fetchedCount())
            ids << list.valueAt(row, QStringLiteral("PRZELEWID")).toInt();
    return ids;
}

void TMainFrm::EksportMnuClick()
{
    if (VisibleKind() == Zus) {
        DM->ShowWarning(QStringLiteral("Przelewy ZUS nie są eksportowane do banku: rachunki funduszy ZUS zostały "
                                       "zamknięte, składki wpłaca się na indywidualny rachunek składkowy."));
        return;
    }
    TEksportFrm dialog(VisibleKind() == Ordinary ? BankList::Ordinary : BankList::Tax, SelectedIds(), this);
    if (const int written = dialog.ShowExport(); written > 0)
        statusBar()->showMessage(QStringLiteral("Zapisano przelewów do pliku: %1").arg(written));
}

void TMainFrm::OdsetkiMnuClick()
{
    TOdsetkiTbl interest(this);
    interest.ShowCalculator();
}

void TMainFrm::SzablonyPodatMnuClick()
{
    TSzablPodatTbl list(this);
    list.ShowList();
}

void TMainFrm::PodrecznikMnuClick()
{
    OpenGuide();
}

void TMainFrm::OfertaMnuClick()
{
    TOfertaFrm offer(this);
    ModalSeam::run(offer);
}

void TMainFrm::OprogramieMnuClick()
{
    TAboutBox about(this);
    ModalSeam::run(about);
}
