#pragma once

#include "BankOrder.h"

#include <QList>
#include <QString>

// The two lists whose orders go to a bank file.
enum class BankList { Ordinary, Tax };

// The orders of the list as stored now, in the order of their numbers: all of them for an
// empty list of ids. Reads through the data module, which must be connected; a number no
// row carries is left out.
QList<BankOrder> LoadBankOrders(BankList list, const QList<qint32> &ids);
