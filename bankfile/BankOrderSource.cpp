#include "BankOrderSource.h"

#include "FDM.h"
#include "Typy.h"

QList<BankOrder> LoadBankOrders(BankList list, const QList<qint32> &ids)
{
    const QString table = list == BankList::Ordinary ? QStringLiteral("ZWYKLE") : QStringLiteral("PODATKOWE");
    DM->OpenQuery(QStringLiteral("select PRZELEWID from %1 order by PRZELEWID").arg(table));
    Dataset &numbers = DM->q;
    numbers.fetchAll();
    QList<qint32> stored;
    for (int row = 0; row < numbers.fetchedCount(); ++row) {
        numbers.setCurrentRow(row);
        stored << numbers.value(QStringLiteral("PRZELEWID")).toInt();
    }
    QList<BankOrder> orders;
    for (const qint32 id : stored) {
        if (!ids.isEmpty() && !ids.contains(id))
            continue;
        if (list == BankList::Ordinary) {
            TZwykly order;
            order.Load(id);
            orders << BankOrder::FromOrdinary(order);
        } else {
            TPodatkowy order;
            order.Load(id);
            orders << BankOrder::FromTax(order);
        }
    }
    return orders;
}
