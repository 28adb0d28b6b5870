#include "MessageBoxSink.h"

#include "BusyCursor.h"

#include <QPushButton>
#include <QApplication>
#include <QMessageBox>

namespace {

// Messages end their lines with carriage returns, as the Windows boxes they were
// written for expect; Qt's labels break lines only at line feeds.
QString forDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}

void MessageBoxSink::warning(const QString &text)
{
    const NormalCursor normal;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Uwaga"), forDisplay(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessageBoxSink::confirm(const QString &text)
{
    const NormalCursor normal;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Potwierdzenie"), forDisplay(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *yes = box.addButton(QStringLiteral("&Tak"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(QStringLiteral("&Nie"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}
