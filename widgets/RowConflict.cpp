#include "RowConflict.h"

#include "Dataset.h"

namespace RowConflict {

std::vector<QVariant> CurrentValues(const Dataset &rows)
{
    std::vector<QVariant> values;
    for (int column = 0; column < rows.fieldNames().size(); ++column)
        values.push_back(rows.valueAt(rows.currentRow(), column));
    return values;
}

Found Reread(Dataset &rows, const std::vector<QVariant> &seen)
{
    const int keyColumn = rows.fieldIndex(rows.keyField());
    const QVariant key = keyColumn >= 0 && size_t(keyColumn) < seen.size() ? seen[size_t(keyColumn)] : QVariant();
    rows.disableControls();
    try {
        rows.transaction().commit();
        rows.transaction().start();
        rows.open();
        const bool found = key.isValid() && rows.locate(rows.keyField(), key);
        rows.enableControls();
        if (!found)
            return Found::Gone;
    } catch (...) {
        rows.enableControls();
        throw;
    }
    return CurrentValues(rows) == seen ? Found::Unchanged : Found::Changed;
}

}
