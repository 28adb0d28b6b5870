#pragma once

#include "Money.h"

#include <QLineEdit>

// An amount of money from 0 to 999 999 999 with two decimals, exact: the text is
// parsed digit by digit, never through a floating-point number. While the user edits
// it the field shows the bare number ("1234,5"); otherwise it shows it grouped
// ("1 234,50"). Keys that would make the text no amount, or an amount above the
// maximum, are refused.
class MoneyEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit MoneyEdit(QWidget *parent = nullptr);

    static Money Maximum();

    Money Value() const { return value_; }
    // False, and the field unchanged, when the amount is negative or above the maximum:
    // the caller tells the user instead of storing a clamped amount.
    bool SetValue(Money value);

    // "1 234 567,89": every group of thousands separated, two decimals.
    static QString Grouped(Money value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    Money value_;
};
