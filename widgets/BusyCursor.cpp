#include "BusyCursor.h"

#include <QGuiApplication>

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor()
{
    while (const QCursor *cursor = QGuiApplication::overrideCursor()) {
        lifted_.prepend(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

NormalCursor::~NormalCursor()
{
    for (const QCursor &cursor : lifted_)
        QGuiApplication::setOverrideCursor(cursor);
}
