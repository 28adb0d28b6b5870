#include "RateEdit.h"

#include "RegionalFormat.h"

RateEdit::RateEdit(QWidget *parent) : DecimalEdit(Maximum(), AnyLength, &RegionalRate, parent) {}

Money RateEdit::Maximum()
{
    return Money::fromGrosze(999'999);
}
