#pragma once

#include "DatasetModel.h"

#include <QTableView>

// A read-only grid over one dataset: whole rows selected, the selection kept visible
// without the focus, column titles, a row indicator, resizable columns. Its current
// row and the dataset's are one.
class DatasetGrid : public QTableView
{
    Q_OBJECT

public:
    DatasetGrid(Dataset &dataset, QVector<DatasetColumn> columns, QWidget *parent = nullptr);

    DatasetModel &datasetModel() const { return *model_; }

    // The factor by which the columns' given pixel widths grow in this grid's font, so
    // that each column shows what it was sized for in the small font the widths were
    // made for (an amount column of 82 pixels the largest amount, "999 999 999,99").
    double WidthScale() const;
    // The room a cell keeps free beside its text.
    int TextMargins() const;
    // The width that shows every column beside the row indicator, with room for the
    // vertical scroll bar that a long list brings.
    int FullWidth() const;

private:
    DatasetModel *model_;
};
