#pragma once

#include "Money.h"

#include <QLineEdit>

// A yearly rate in per cent with two decimals, exact (never through a floating-point
// number), from 0 to Maximum(). While the user edits it the field shows the bare
// number ("13,5"); otherwise the rate as the regional settings write it ("13,50 %").
class RateEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RateEdit(QWidget *parent = nullptr);

    static Money Maximum();

    Money Value() const { return value_; }
    // Values outside 0 to Maximum() are refused (false, the field unchanged).
    bool SetValue(Money value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showValue();
    Money value_;
};
