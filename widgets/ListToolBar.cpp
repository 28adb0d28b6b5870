#include "ListToolBar.h"

#include <QToolButton>

namespace {

QToolButton *toolButton(QToolBar *toolbar, const char *name, const QString &caption)
{
    auto *button = new QToolButton(toolbar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setMinimumWidth(66);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}

ListToolBar::ListToolBar(QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar"));
    InsertBtn = toolButton(this, "InsertBtn", QStringLiteral("&Dodaj"));
    EditBtn = toolButton(this, "EditBtn", QStringLiteral("&Popraw"));
    DeleteBtn = toolButton(this, "DeleteBtn", QStringLiteral("&Usuń"));
    CloseBtn = toolButton(this, "CloseBtn", QStringLiteral("&Zamknij"));
    for (QToolButton *button : {InsertBtn, EditBtn, DeleteBtn})
        addWidget(button);
    auto *spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    addWidget(CloseBtn);
}
