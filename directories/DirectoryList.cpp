#include "DirectoryList.h"

#include "BusyCursor.h"
#include "DatasetGrid.h"
#include "DirectoryEditor.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "ListToolBar.h"
#include "ModalSeam.h"
#include "RowStore.h"
#include "SearchBox.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

DirectoryList::DirectoryList(Setup setup, QWidget *parent) : QDialog(parent), setup_(std::move(setup))
{
    setObjectName(QString::fromLatin1(setup_.objectName));
    setWindowTitle(setup_.caption);
    setSizeGripEnabled(true);

    auto *toolbar = new ListToolBar(this);
    InsertBtn = toolbar->InsertBtn;
    EditBtn = toolbar->EditBtn;
    DeleteBtn = toolbar->DeleteBtn;
    CloseBtn = toolbar->CloseBtn;

    grid_ = new DatasetGrid(*setup_.dataset, setup_.columns, this);
    grid_->setObjectName(QString::fromLatin1(setup_.gridName));
    search_ = new SearchBox(*setup_.dataset, QStringLiteral("NAZWA"), setup_.searchCaption, this);
    search_->setObjectName(QStringLiteral("SearchBox"));

    auto *body = new QVBoxLayout;
    body->addWidget(grid_, 1);
    body->addWidget(search_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addLayout(body, 1);
    body->setContentsMargins(6, 6, 6, 6);
    resize(640, 420);

    ConnectGuarded(InsertBtn, &QToolButton::clicked, this, &DirectoryList::InsertBtnClick);
    ConnectGuarded(EditBtn, &QToolButton::clicked, this, &DirectoryList::EditBtnClick);
    ConnectGuarded(DeleteBtn, &QToolButton::clicked, this, &DirectoryList::DeleteBtnClick);
    connect(CloseBtn, &QToolButton::clicked, this, &DirectoryList::reject);
    auto *refresh = new QAction(QStringLiteral("&Odśwież"), this);
    refresh->setObjectName(QStringLiteral("OdswiezAct"));
    refresh->setShortcut(Qt::Key_F5);
    addAction(refresh);
    grid_->addAction(refresh);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    ConnectGuarded(refresh, &QAction::triggered, this, &DirectoryList::RefreshClick);
    connect(grid_, &DatasetGrid::doubleClicked, this, [this] {
        if (setup_.doubleClickEdits && EditBtn->isEnabled())
            RunGuarded([this] { EditBtnClick(); });
    });
}

qint32 DirectoryList::CurrentId() const
{
    return Rows().value(setup_.keyField).toInt();
}

void DirectoryList::SetButtons()
{
    const bool hasRow = Rows().currentRow() >= 0;
    EditBtn->setEnabled(hasRow);
    DeleteBtn->setEnabled(hasRow);
}

void DirectoryList::show()
{
    changed_ = false;
    SetButtons();
    search_->Edit()->setFocus();
    ModalSeam::run(*this);
}

void DirectoryList::ShowList()
{
    show();
}

void DirectoryList::ShowAt(qint32 id)
{
    if (id > 0)
        Rows().locate(setup_.keyField, id);
    show();
}

void DirectoryList::InsertBtnClick()
{
    const std::unique_ptr<DirectoryEditor> editor = setup_.editor(this);
    if (!editor->ShowNew())
        return;
    changed_ = true;
    KeepInOrder(CurrentId());
    SetButtons();
}

void DirectoryList::EditBtnClick()
{
    Rows().requireEditable();
    const std::unique_ptr<DirectoryEditor> editor = setup_.editor(this);
    if (!editor->ShowCurrent())
        return;
    changed_ = true;
    KeepInOrder(CurrentId());
}

void DirectoryList::KeepInOrder(qint32 id)
{
    // A stored row stands where it was added, or where it stood under its old name. Read
    // again in the same transaction, which sees its own changes, the list puts it in its
    // place without committing anything.
    Dataset &rows = Rows();
    rows.disableControls();
    try {
        rows.close();
        rows.open();
        rows.locate(setup_.keyField, id);
    } catch (...) {
        rows.enableControls();
        throw;
    }
    rows.enableControls();
}

void DirectoryList::DeleteBtnClick()
{
    if (!DM->AskConfirmation(setup_.deleteQuestion))
        return;
    if (!RemoveCurrentRow(Rows())) {
        SetButtons();
        return;
    }
    changed_ = true;
    setup_.afterDelete(Rows().isEmpty() ? 0 : CurrentId());
    SetButtons();
}

void DirectoryList::RefreshClick()
{
    const BusyCursor busy;
    DM->ReopenOnCurrentRow(Rows());
    SetButtons();
}

void DirectoryList::CloseBtnClick()
{
    QDialog::reject();
}

void DirectoryList::reject()
{
    CloseBtnClick();
}
