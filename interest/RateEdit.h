#pragma once

#include "DecimalEdit.h"

// A yearly rate in per cent with two decimals, exact, from 0 to Maximum(). Between edits
// the field shows the rate as the regional settings write it ("13,50 %").
class RateEdit : public DecimalEdit
{
    Q_OBJECT

public:
    explicit RateEdit(QWidget *parent = nullptr);

    static Money Maximum();
};
