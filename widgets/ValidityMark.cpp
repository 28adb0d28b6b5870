#include "ValidityMark.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

void MarkValidity(QWidget *field, bool valid, const QString &hint)
{
    QPalette colours = field->palette();
    const QColor normal = QApplication::palette(field).color(QPalette::Active, QPalette::Text);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Text, valid ? normal : QColor(Qt::red));
    field->setPalette(colours);
    field->setToolTip(valid ? QString() : hint);
}

bool IsMarkedInvalid(const QWidget *field)
{
    return field->palette().color(QPalette::Active, QPalette::Text) == QColor(Qt::red);
}
