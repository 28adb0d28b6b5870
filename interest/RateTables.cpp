#include "RateTables.h"

#include "FDM.h"
#include "Globals.h"

#include <limits>

Dataset &RateList(RateKind kind)
{
    return kind == RateKind::Tax ? DM->OdsetkiPod : DM->OdsetkiUst;
}

QDate RateFirstDay(RateKind kind)
{
    return kind == RateKind::Tax ? TaxInterestFirstDay() : StatutoryInterestFirstDay();
}

QString RateTableName(RateKind kind)
{
    return kind == RateKind::Tax ? QStringLiteral("OdsetkiPod") : QStringLiteral("OdsetkiUst");
}

void ReopenRateList(RateKind kind, qint32 id)
{
    Dataset &list = RateList(kind);
    list.disableControls();
    try {
        list.transaction().commit();
        list.transaction().start();
        list.open();
        if (id <= 0 || !list.locate(QStringLiteral("WPISID"), id))
            list.setCurrentRow(std::numeric_limits<int>::max());
    } catch (...) {
        list.enableControls();
        throw;
    }
    list.enableControls();
}

void CommitRateList(RateKind kind)
{
    RateList(kind).transaction().commit();
}
