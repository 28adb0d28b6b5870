#pragma once

#include "ImportPlan.h"

// Stores the orders of the planned invoices that become one, with the new contractors
// they need (one for each NIP), in one transaction: all of them or, when the database
// refuses any, none (the refusal is thrown). Each invoice's new order number, 0 for
// one skipped.
QList<qint32> StoreImport(const QList<PlannedInvoice> &plan);
