#include "NamePrefixSearch.h"

#include "Dataset.h"
#include "UpperCase.h"

namespace {

constexpr int FetchStep = 256;

QString withoutTrailingBlanks(QString text)
{
    int end = int(text.size());
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
    return text;
}

QString key(const QString &text)
{
    return UpperCp1250(withoutTrailingBlanks(text));
}

}

bool MoveToNamePrefix(Dataset &dataset, const QString &field, const QString &text)
{
    const QString wanted = key(text);
    if (wanted.isEmpty() || !dataset.isOpen())
        return false;
    const int column = dataset.fieldIndex(field);
    if (column < 0)
        return false;
    for (int row = 0;; ++row) {
        if (row >= dataset.fetchedCount() && (dataset.allFetched() || dataset.fetchMore(FetchStep) == 0))
            return false;
        if (key(dataset.valueAt(row, column).toString()).startsWith(wanted)) {
            dataset.setCurrentRow(row);
            return true;
        }
    }
}
