#pragma once

#include "DecimalEdit.h"

// An amount of money from 0 to 999 999 999 with two decimals, exact. Between edits the
// field shows it grouped ("1 234,50").
class MoneyEdit : public DecimalEdit
{
    Q_OBJECT

public:
    explicit MoneyEdit(QWidget *parent = nullptr);

    static Money Maximum();

    // "1 234 567,89": every group of thousands separated, two decimals.
    static QString Grouped(Money value);
};
