#include "OperationKind.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QRadioButton>

namespace {

constexpr int Deposit = 0;
constexpr int Transfer = 1;

}

OperationKind::OperationKind(QWidget *parent) : QGroupBox(QStringLiteral("Rodzaj operacji"), parent),
    choices_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("EdOperacja"));
    auto *layout = new QHBoxLayout(this);
    int index = 0;
    for (const QString &caption : {QStringLiteral("Wpłata"), QStringLiteral("Przelew")}) {
        auto *choice = new QRadioButton(caption, this);
        choice->setObjectName(index == Deposit ? QStringLiteral("Wplata") : QStringLiteral("Przelew"));
        choices_->addButton(choice, index++);
        choice->installEventFilter(this);
        layout->addWidget(choice);
    }
    SetTransfer(true);
    connect(choices_, &QButtonGroup::idClicked, this, &OperationKind::clicked);
}

bool OperationKind::IsTransfer() const
{
    return choices_->checkedId() == Transfer;
}

void OperationKind::SetTransfer(bool transfer)
{
    choices_->button(transfer ? Transfer : Deposit)->setChecked(true);
}

bool OperationKind::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        QAbstractButton *chosen = choices_->checkedButton();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && chosen && watched != chosen)
            chosen->setFocus(reason);
    }
    return QGroupBox::eventFilter(watched, event);
}
