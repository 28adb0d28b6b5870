#pragma once

#include <QLabel>
#include <QString>

// Small pieces that the layouts of the editors and directory windows share.

// Gives a control its name (the one the program's tests and screenshots find it by).
template<typename Control>
Control *Named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

// A label whose accelerator moves the focus into its field.
inline QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
