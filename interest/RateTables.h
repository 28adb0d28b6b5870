#pragma once

#include <QDate>
#include <QString>

class Dataset;

// The two tables of yearly rates: tax-arrears interest (OdsetkiPod) and statutory
// interest (OdsetkiUst). Their lists and transactions belong to the data module.
enum class RateKind { Tax, Statutory };

Dataset &RateList(RateKind kind);
// The earliest day an entry of the table may carry.
QDate RateFirstDay(RateKind kind);
// The table's name as the calculation's query writes it.
QString RateTableName(RateKind kind);

// Commits the table's transaction, which makes the list's pending changes durable,
// opens the list again and stands it on the entry `id`, or on the newest entry when
// `id` is 0 or no longer there. The grids showing the list repaint once, at the end.
void ReopenRateList(RateKind kind, qint32 id);

// Commits the table's transaction when it is active (this closes the list).
void CommitRateList(RateKind kind);
