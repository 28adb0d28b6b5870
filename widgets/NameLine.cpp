#include "NameLine.h"

#include <QAction>
#include <QPainter>
#include <QPixmap>

namespace {

QIcon ellipsisIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    for (int dot = 0; dot < 3; ++dot)
        painter.fillRect(3 + dot * 4, 11, 2, 2, Qt::black);
    return QIcon(picture);
}

}

NameLine::NameLine(QWidget *parent, int maxLength) : QLineEdit(parent)
{
    setMaxLength(maxLength);
}

void NameLine::AddChooserButton()
{
    if (chooser_)
        return;
    chooser_ = addAction(ellipsisIcon(), QLineEdit::TrailingPosition);
    chooser_->setObjectName(QStringLiteral("ChooserBtn"));
    connect(chooser_, &QAction::triggered, this, &NameLine::chooserClicked);
}
