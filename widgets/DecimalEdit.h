#pragma once

#include "Money.h"

#include <QLineEdit>

// A non-negative number with two decimals, exact: the text is parsed digit by digit, never
// through a floating-point number. While the user edits it the field shows the bare number
// ("1234,5"); otherwise it shows it as the caller's display writes it. Keys that would make
// the text no number, or a number above the maximum, are refused.
class DecimalEdit : public QLineEdit
{
    Q_OBJECT

public:
    // QLineEdit's own limit: no limit beyond what the validator refuses.
    static constexpr int AnyLength = 32767;

    using Display = QString (*)(Money value);

    // typingLength bounds what may be typed only; the text shown between edits may be longer.
    DecimalEdit(Money maximum, int typingLength, Display display, QWidget *parent);

    Money Value() const { return value_; }
    // False, and the field unchanged, when the value is negative or above the maximum:
    // the caller tells the user instead of storing a clamped value.
    bool SetValue(Money value);

    // "1234,50": two decimals after a comma, nothing grouped.
    static QString Bare(Money value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();

    const Money maximum_;
    const int typingLength_;
    const Display display_;
    Money value_;
};
