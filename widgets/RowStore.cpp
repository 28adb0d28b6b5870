#include "RowStore.h"

#include "Dataset.h"
#include "ErrorReport.h"

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
