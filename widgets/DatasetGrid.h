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

private:
    DatasetModel *model_;
};
