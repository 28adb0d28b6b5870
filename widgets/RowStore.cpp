#include "RowStore.h"

#include "BusyCursor.h"
#include "Dataset.h"
#include "ErrorReport.h"
#include "MessageSeam.h"
#include "RowConflict.h"

#include <exception>

namespace {

void dropPending(Dataset &dataset)
{
    if (dataset.state() == Dataset::State::Insert || dataset.state() == Dataset::State::Edit)
        dataset.cancel();
}

// One store; a failure leaves nothing pending. prefill gives an added row its values first.
void attemptStore(Dataset &dataset, bool isNew, const std::vector<QVariant> &prefill, const std::function<void()> &write)
{
    try {
        if (isNew)
            dataset.append();
        else
            dataset.edit();
        for (int column = 0; size_t(column) < prefill.size(); ++column)
            dataset.setValue(dataset.fieldNames().at(column), prefill[size_t(column)]);
        write();
        dataset.post();
    } catch (...) {
        dropPending(dataset);
        throw;
    }
}

bool storeOnce(Dataset &dataset, bool isNew, const std::vector<QVariant> &prefill, const std::function<void()> &write)
{
    try {
        attemptStore(dataset, isNew, prefill, write);
    } catch (const std::exception &error) {
        ReportError(error);
        return false;
    }
    return true;
}

}

StoreResult RowStore::storeOverConflict(Dataset &dataset, const std::vector<QVariant> &seen, const FbError &conflict,
                                        const std::function<void()> &write)
{
    RowConflict::Found found = RowConflict::Found::Gone;
    if (!RunGuarded([&] { found = RowConflict::Reread(dataset, seen); }))
        return StoreResult::Failed;
    switch (found) {
    case RowConflict::Found::Unchanged:
        // Only waiting helps; the list reads afresh now, so a later "&Zapisz" can succeed.
        ReportError(conflict);
        return StoreResult::Failed;
    case RowConflict::Found::Changed:
        if (!MessageSeam::confirm(RowConflict::ChangedQuestion))
            return StoreResult::KeptTheirs;
        return storeOnce(dataset, false, {}, write) ? StoreResult::Stored : StoreResult::Failed;
    case RowConflict::Found::Gone:
        if (!MessageSeam::confirm(RowConflict::DeletedQuestion))
            return StoreResult::KeptTheirs;
        // The row comes back whole under its number, with what the user changed in it.
        if (storeOnce(dataset, true, seen, write))
            return StoreResult::Stored;
        again_ = seen;
        return StoreResult::Failed;
    }
    return StoreResult::Failed;
}

StoreResult RowStore::Store(Dataset &dataset, bool isNew, const std::function<void()> &write,
                            const std::function<void()> &afterPost)
{
    const BusyCursor busy;
    if (StoringAgain()) {
        if (!storeOnce(dataset, true, again_, write))
            return StoreResult::Failed;
        again_.clear();
        return RunGuarded(afterPost) ? StoreResult::Stored : StoreResult::PostedNotShown;
    }
    const std::vector<QVariant> seen = isNew ? std::vector<QVariant>() : RowConflict::CurrentValues(dataset);
    StoreResult result = StoreResult::Stored;
    try {
        attemptStore(dataset, isNew, {}, write);
    } catch (const FbError &error) {
        if (isNew || !error.isConflict()) {
            ReportError(error);
            return StoreResult::Failed;
        }
        result = storeOverConflict(dataset, seen, error, write);
    } catch (const std::exception &error) {
        ReportError(error);
        return StoreResult::Failed;
    }
    if (result != StoreResult::Stored)
        return result;
    return RunGuarded(afterPost) ? StoreResult::Stored : StoreResult::PostedNotShown;
}

bool RemoveCurrentRow(Dataset &rows)
{
    const BusyCursor busy;
    const std::vector<QVariant> seen = RowConflict::CurrentValues(rows);
    try {
        rows.remove();
        return true;
    } catch (const FbError &error) {
        if (!error.isConflict())
            throw;
        switch (RowConflict::Reread(rows, seen)) {
        case RowConflict::Found::Unchanged:
            throw;
        case RowConflict::Found::Gone:
            MessageSeam::warning(RowConflict::AlreadyDeleted);
            return false;
        case RowConflict::Found::Changed:
            break;
        }
    }
    if (!MessageSeam::confirm(RowConflict::ChangedBeforeDeleteQuestion))
        return false;
    rows.remove();
    return true;
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
