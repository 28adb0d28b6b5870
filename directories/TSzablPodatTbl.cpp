#include "TSzablPodatTbl.h"

#include "BusyCursor.h"
#include "DatasetGrid.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FormParts.h"
#include "ListToolBar.h"
#include "ModalSeam.h"
#include "RowStore.h"
#include "SearchBox.h"
#include "TSzablonPodatFrm.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Id = QStringLiteral("PRZELEWID");

SearchBox *searchBox(Dataset &rows, const QString &caption, const char *name, QWidget *parent)
{
    auto *box = Named(new SearchBox(rows, QStringLiteral("NAZWA"), caption, parent), name);
    box->Edit()->setMaxLength(50);
    box->setContentsMargins(6, 0, 6, 0);
    return box;
}

}

TSzablPodatTbl::TSzablPodatTbl(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TSzablPodatTbl"));
    setWindowTitle(QStringLiteral("Przelew podatkowy - szablon"));
    setSizeGripEnabled(true);

    auto *toolbar = new ListToolBar(this);
    InsertBtn = toolbar->InsertBtn;
    EditBtn = toolbar->EditBtn;
    DeleteBtn = toolbar->DeleteBtn;
    CloseBtn = toolbar->CloseBtn;

    SzablonGrid = Named(new DatasetGrid(DM->szPodatkowe, {{QStringLiteral("NAZWA"), QStringLiteral("Nazwa szablonu"), 0, {}}},
                                        this),
                        "SzablonGrid");
    EdSzablon = searchBox(DM->szPodatkowe, QStringLiteral("Nazwa szablonu"), "EdSzablon", this);
    KontrahGrid = Named(new DatasetGrid(DM->Adresaci, {{QStringLiteral("NAZWA"), QStringLiteral("Nazwa kontrahenta"), 0, {}}},
                                        this),
                        "KontrahGrid");
    EdKontrah = searchBox(DM->Adresaci, QStringLiteral("Nazwa kontrahenta"), "EdKontrah", this);
    for (DatasetGrid *grid : {SzablonGrid, KontrahGrid})
        grid->horizontalHeader()->setStretchLastSection(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(toolbar);
    layout->addWidget(SzablonGrid, 1);
    layout->addWidget(EdSzablon);
    layout->addWidget(KontrahGrid, 1);
    layout->addWidget(EdKontrah);
    resize(480, 520);

    ConnectGuarded(InsertBtn, &QToolButton::clicked, this, &TSzablPodatTbl::InsertBtnClick);
    ConnectGuarded(EditBtn, &QToolButton::clicked, this, &TSzablPodatTbl::EditBtnClick);
    ConnectGuarded(DeleteBtn, &QToolButton::clicked, this, &TSzablPodatTbl::DeleteBtnClick);
    connect(CloseBtn, &QToolButton::clicked, this, &QDialog::reject);
    auto *refresh = new QAction(QStringLiteral("&Odśwież"), this);
    refresh->setObjectName(QStringLiteral("OdswiezAct"));
    refresh->setShortcut(Qt::Key_F5);
    addAction(refresh);
    for (DatasetGrid *grid : {SzablonGrid, KontrahGrid}) {
        grid->addAction(refresh);
        grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    ConnectGuarded(refresh, &QAction::triggered, this, &TSzablPodatTbl::RefreshClick);
    ConnectGuarded(&DM->Adresaci, &Dataset::currentRowChanged, this, &TSzablPodatTbl::KontahDSDataChange);
    ConnectGuarded(&DM->Adresaci, &Dataset::reset, this, &TSzablPodatTbl::KontahDSDataChange);
    connect(&DM->szPodatkowe, &Dataset::currentRowChanged, this, [this] { SetButtons(); });
    connect(&DM->szPodatkowe, &Dataset::reset, this, [this] { SetButtons(); });
}

void TSzablPodatTbl::ShowList()
{
    FollowContractor(true);
    ModalSeam::run(*this);
}

qint32 TSzablPodatTbl::CurrentContractor() const
{
    const Dataset &contractors = DM->Adresaci;
    return contractors.currentRow() < 0 ? 0 : contractors.value(QStringLiteral("ADRESATID")).toInt();
}

void TSzablPodatTbl::KontahDSDataChange()
{
    if (following_ && DM->Adresaci.isOpen())
        FollowContractor(false);
}

void TSzablPodatTbl::FollowContractor(bool always)
{
    const qint32 contractor = CurrentContractor();
    // A list refreshed on the same contractor keeps its place among the templates.
    if (always || contractor != shownContractor_ || !DM->szPodatkowe.isOpen()) {
        DM->ReopenTaxTemplates(contractor, 0);
        shownContractor_ = contractor;
    }
    SetButtons();
}

void TSzablPodatTbl::SetButtons()
{
    const bool hasTemplate = DM->szPodatkowe.currentRow() >= 0;
    EditBtn->setEnabled(hasTemplate);
    DeleteBtn->setEnabled(hasTemplate);
}

template<typename Work>
void TSzablPodatTbl::WithoutFollowing(Work work)
{
    following_ = false;
    try {
        work();
    } catch (...) {
        following_ = true;
        throw;
    }
    following_ = true;
    KontahDSDataChange();
    SetButtons();
}

void TSzablPodatTbl::InsertBtnClick()
{
    // A template belongs to a contractor: with none there is nothing to add it to.
    if (DM->Adresaci.currentRow() < 0 || shownContractor_ <= 0)
        return;
    WithoutFollowing([this] {
        TSzablonPodatFrm editor(this);
        editor.ShowNew(shownContractor_);
    });
}

void TSzablPodatTbl::EditBtnClick()
{
    if (DM->szPodatkowe.currentRow() < 0)
        return;
    DM->szPodatkowe.requireEditable();
    WithoutFollowing([this] {
        TSzablonPodatFrm editor(this);
        editor.ShowCurrent();
    });
}

void TSzablPodatTbl::DeleteBtnClick()
{
    Dataset &templates = DM->szPodatkowe;
    if (templates.currentRow() < 0
        || !DM->AskConfirmation(QStringLiteral("Usunąć zaznaczony szablon przelewu z wykazu?")))
        return;
    if (!RemoveCurrentRow(templates)) {
        SetButtons();
        return;
    }
    const qint32 next = templates.isEmpty() ? 0 : templates.value(Id).toInt();
    // The contractor whose templates these are, also when none of them is left.
    DM->ReopenTaxTemplates(shownContractor_, next);
    SetButtons();
}

void TSzablPodatTbl::RefreshClick()
{
    const BusyCursor busy;
    // Read again, the contractors pass their first row on the way back to theirs: the
    // templates follow only where the list ends up, and keep their row on the same one.
    WithoutFollowing([this] {
        DM->ReopenOnCurrentRow(DM->Adresaci);
        if (CurrentContractor() == shownContractor_)
            DM->ReopenOnCurrentRow(DM->szPodatkowe);
    });
}
