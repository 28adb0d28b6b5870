#include "RateListPage.h"

#include "BusyCursor.h"
#include "DatasetGrid.h"
#include "ErrorReport.h"
#include "FDM.h"
#include "FOdsetkiFrm.h"
#include "RowStore.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *flatButton(QWidget *parent, const QString &caption)
{
    auto *button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

}

RateListPage::RateListPage(RateKind kind, const Captions &captions, QWidget *parent)
    : QWidget(parent), kind_(kind)
{
    InsertBtn = flatButton(this, captions.insert);
    EditBtn = flatButton(this, captions.edit);
    DeleteBtn = flatButton(this, captions.remove);
    Dataset &list = RateList(kind);
    // A date needs more room than the grid's default of a number.
    const int dayWidth = fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + 16;
    Grid = new DatasetGrid(list, {
        {QStringLiteral("ODDNIA"), QStringLiteral("Od dnia"), dayWidth, {}},
        {QStringLiteral("STOPA"), QStringLiteral("Stopa roczna"), 0, QStringLiteral("##0.00 %")},
    }, this);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(InsertBtn);
    bar->addWidget(EditBtn);
    bar->addWidget(DeleteBtn);
    bar->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Grid);

    // "Odśwież" (F5), as in every list; only the page in view answers the key.
    auto *refresh = new QAction(QStringLiteral("&Odśwież"), this);
    refresh->setObjectName(QStringLiteral("OdswiezAct"));
    refresh->setShortcut(Qt::Key_F5);
    refresh->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(refresh);
    Grid->addAction(refresh);
    Grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    ConnectGuarded(refresh, &QAction::triggered, this, &RateListPage::Refresh);

    connect(&list, &Dataset::reset, this, &RateListPage::UpdateButtons);
    connect(&list, &Dataset::rowInserted, this, &RateListPage::UpdateButtons);
    connect(&list, &Dataset::rowRemoved, this, &RateListPage::UpdateButtons);
    connect(&list, &Dataset::currentRowChanged, this, &RateListPage::UpdateButtons);
    UpdateButtons();
}

void RateListPage::UpdateButtons()
{
    const Dataset &list = RateList(kind_);
    const bool hasEntry = list.isOpen() && !list.isEmpty();
    EditBtn->setEnabled(hasEntry);
    DeleteBtn->setEnabled(hasEntry);
}

void RateListPage::Refresh()
{
    const BusyCursor busy;
    DM->ReopenOnCurrentRow(RateList(kind_));
    UpdateButtons();
}

void RateListPage::InsertEntry()
{
    TOdsetkiFrm editor(this);
    editor.ShowNew(kind_);
}

void RateListPage::EditEntry()
{
    RateList(kind_).requireEditable();
    TOdsetkiFrm editor(this);
    editor.ShowCurrent(kind_);
}

void RateListPage::DeleteEntry()
{
    if (!DM->AskConfirmation(QStringLiteral("Usunąć bieżącą pozycję z wykazu?")))
        return;
    Dataset &list = RateList(kind_);
    if (RemoveCurrentRow(list))
        ReopenRateList(kind_, list.isEmpty() ? 0 : list.value(QStringLiteral("WPISID")).toInt());
}

void RateListPage::GridDblClick()
{
    if (EditBtn->isEnabled())
        EditEntry();
}
