#pragma once

#include "Dataset.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QPointer>
#include <QVector>
#include <functional>

struct DatasetColumn
{
    QString field;
    QString title;
    int width = 0;      // pixels; 0 lets the column take what its data asks for
    QString format = {};  // a display format of FormatDisplay, or empty
};

// Shows any dataset in a grid: one row per fetched row (more are read as the view
// scrolls), the given columns, and a row indicator on the current row. Bound to a
// selection model it keeps the grid's current row and the dataset's in step both ways,
// and the rows selected besides the current one stay selected, by their key, when the
// list is read again (another desktop's change must not turn a choice of several rows
// into one).
class DatasetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    DatasetModel(Dataset &dataset, QVector<DatasetColumn> columns, QObject *parent = nullptr);

    Dataset &dataset() const { return dataset_; }
    const QVector<DatasetColumn> &columns() const { return columns_; }

    void bindSelection(QItemSelectionModel *selection);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    void datasetReset();
    void rowsFetched(int first, int last);
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void datasetCurrentChanged(int row);
    void selectionCurrentChanged(const QModelIndex &current);
    void selectCurrent();
    void keepSelectedKeys();
    void selectKeptKeys(int previousRows);
    // Runs work that reaches the database on behalf of a view under the general error
    // report; false when it failed.
    bool guarded(const std::function<void()> &work);

    Dataset &dataset_;
    QVector<DatasetColumn> columns_;
    QPointer<QItemSelectionModel> selection_;
    int rows_ = 0;
    int indicatorRow_ = -1;
    bool syncing_ = false;
    // The keys of the selected rows, when more than one is selected.
    QVariantList selectedKeys_;
};
