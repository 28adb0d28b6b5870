#include "NullableDateEdit.h"

#include "DateValue.h"
#include "FieldLeave.h"
#include "Globals.h"
#include "ValidityMark.h"

#include <QAction>
#include <QCalendarWidget>
#include <QPainter>
#include <QPixmap>

namespace {

const QString Format = QStringLiteral("dd.MM.yyyy");

QIcon calendarIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(1, 2, 13, 12);
    painter.fillRect(2, 3, 12, 3, QColor(0, 0, 128));
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            painter.fillRect(3 + column * 3, 7 + row * 2, 2, 1, Qt::black);
    return QIcon(picture);
}

}

NullableDateEdit::NullableDateEdit(QWidget *parent) : QLineEdit(parent), calendar_(new QCalendarWidget(this))
{
    setInputMask(QStringLiteral("00.00.0000;_"));
    calendar_->setObjectName(QStringLiteral("Calendar"));
    calendar_->setWindowFlags(Qt::Popup);
    calendar_->setGridVisible(true);
    calendar_->hide();
    connect(calendar_, &QCalendarWidget::clicked, this, [this](const QDate &date) {
        SetDate(date);
        calendar_->hide();
    });
    connect(calendar_, &QCalendarWidget::activated, this, [this](const QDate &date) {
        SetDate(date);
        calendar_->hide();
    });

    QAction *drop = addAction(calendarIcon(), QLineEdit::TrailingPosition);
    drop->setObjectName(QStringLiteral("CalendarBtn"));
    connect(drop, &QAction::triggered, this, &NullableDateEdit::ShowCalendar);

    OnFieldLeave(this, [this] { MarkValidity(this, !HasInvalidText(), QStringLiteral("Nieprawidłowa data")); });
}

QDate NullableDateEdit::Date() const
{
    const QDate date = QDate::fromString(text(), Format);
    return DateValue::isSet(date) ? date : QDate();
}

void NullableDateEdit::SetDate(const QDate &date)
{
    setText(DateValue::isSet(date) && date.year() <= 9999 ? date.toString(Format) : QString());
    MarkValidity(this, true, {});
}

bool NullableDateEdit::HasInvalidText() const
{
    return !DigitsOnly(text()).isEmpty() && Date().isNull();
}

void NullableDateEdit::ShowCalendar()
{
    const QDate shown = Date();
    calendar_->setSelectedDate(shown.isNull() ? QDate::currentDate() : shown);
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}
