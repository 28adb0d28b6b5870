#pragma once

#include <QDate>
#include <QLineEdit>

class QCalendarWidget;

// A date "dd.mm.yyyy" that may be left empty, with a calendar that drops down from
// the button at its right. Empty is a value of its own (no date), not a date chosen
// by the field; a date that is only partly typed or does not exist is shown in red.
class NullableDateEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit NullableDateEdit(QWidget *parent = nullptr);

    // A null date when the field is empty or holds no real date.
    QDate Date() const;
    // A date that counts as "no date" (invalid, or not after the zero date) empties the field.
    void SetDate(const QDate &date);
    // Something typed that is not a date: the caller must not store it as "no date".
    bool HasInvalidText() const;

    void ShowCalendar();
    QCalendarWidget *Calendar() const { return calendar_; }

private:
    QCalendarWidget *calendar_;
};
