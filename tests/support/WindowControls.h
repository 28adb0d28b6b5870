#pragma once

#include <QLatin1String>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <gtest/gtest.h>

// The control of that name in a window; a missing one fails the test where it is looked up.
template<typename Control = QWidget>
Control *control(const QObject &window, const char *name)
{
    auto *found = window.findChild<Control *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

inline void type(const QObject &window, const char *field, const QString &text)
{
    control<QLineEdit>(window, field)->setText(text);
}
