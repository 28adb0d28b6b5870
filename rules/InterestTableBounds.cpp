#include "Globals.h"

QDate TaxInterestFirstDay()
{
    return QDate(1998, 1, 1);
}

QDate StatutoryInterestFirstDay()
{
    return QDate(1965, 1, 1);
}
