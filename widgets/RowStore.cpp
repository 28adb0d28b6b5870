#include "RowStore.h"

#include "Dataset.h"
#include "ErrorReport.h"
#include "MessageSeam.h"

#include <exception>

StoreResult StoreRow(Dataset &dataset, bool isNew, const std::function<void()> &write,
                     const std::function<void()> &afterPost)
{
    try {
        if (isNew)
            dataset.append();
        else
            dataset.edit();
        write();
        dataset.post();
    } catch (const std::exception &error) {
        if (dataset.state() == Dataset::State::Insert || dataset.state() == Dataset::State::Edit)
            dataset.cancel();
        ReportError(error);
        return StoreResult::Failed;
    }
    return RunGuarded(afterPost) ? StoreResult::Stored : StoreResult::PostedNotShown;
}

bool StandOnStoredRow(Dataset &rows, const QString &keyField, qint32 id, const std::function<void()> &reopen,
                      const QString &gone)
{
    const auto onRow = [&] { return rows.isOpen() && rows.currentRow() >= 0 && rows.value(keyField).toInt() == id; };
    if (onRow())
        return true;
    if ((!rows.isOpen() || !rows.locate(keyField, id)) && reopen)
        reopen();
    if (onRow())
        return true;
    MessageSeam::warning(gone);
    return false;
}
