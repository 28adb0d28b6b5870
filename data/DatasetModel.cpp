#include "DatasetModel.h"

#include "DisplayFormat.h"
#include "FailureReport.h"
#include "Money.h"

#include <QTimer>

namespace {
// Rows read per scroll step of a view.
constexpr int FetchStep = 200;
// The classic grid's marker of the current row.
const QString RowIndicator = QStringLiteral("\u25B6");
}

DatasetModel::DatasetModel(Dataset &dataset, QVector<DatasetColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), dataset_(dataset), columns_(std::move(columns))
{
    rows_ = dataset_.isOpen() ? dataset_.fetchedCount() : 0;
    indicatorRow_ = dataset_.currentRow();
    connect(&dataset_, &Dataset::reset, this, &DatasetModel::datasetReset);
    connect(&dataset_, &Dataset::rowsFetched, this, &DatasetModel::rowsFetched);
    connect(&dataset_, &Dataset::rowInserted, this, &DatasetModel::rowInserted);
    connect(&dataset_, &Dataset::rowRemoved, this, &DatasetModel::rowRemoved);
    connect(&dataset_, &Dataset::rowChanged, this, &DatasetModel::rowChanged);
    connect(&dataset_, &Dataset::currentRowChanged, this, &DatasetModel::datasetCurrentChanged);
}

void DatasetModel::bindSelection(QItemSelectionModel *selection)
{
    selection_ = selection;
    connect(selection, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { selectionCurrentChanged(current); });
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] { keepSelectedKeys(); });
    selectCurrent();
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= columns_.size())
        return {};
    const DatasetColumn &column = columns_.at(index.column());
    const QVariant value = dataset_.valueAt(index.row(), column.field);
    if (role == Qt::DisplayRole)
        return FormatDisplay(value, column.format);
    if (role == Qt::TextAlignmentRole) {
        const bool numeric = value.metaType() == QMetaType::fromType<Money>() || value.metaType().id() == QMetaType::Int;
        return QVariant::fromValue(Qt::Alignment(numeric ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < columns_.size() ? columns_.at(section).title : QString();
    return section == indicatorRow_ ? RowIndicator : QString();
}

Qt::ItemFlags DatasetModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool DatasetModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && dataset_.isOpen() && !dataset_.allFetched();
}

void DatasetModel::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid())
        guarded([this] { dataset_.fetchMore(FetchStep); });
}

bool DatasetModel::guarded(const std::function<void()> &work)
{
    try {
        work();
        return true;
    } catch (const std::exception &) {
        // Views call in here while laying out or painting: the report, a modal box,
        // waits until they are done.
        QTimer::singleShot(0, this, [error = std::current_exception()] {
            try {
                std::rethrow_exception(error);
            } catch (const std::exception &caught) {
                ReportFailure(caught);
            }
        });
    }
    return false;
}

void DatasetModel::datasetReset()
{
    const int previousRows = rows_;
    const QVariantList kept = selectedKeys_;
    beginResetModel();
    rows_ = dataset_.isOpen() ? dataset_.fetchedCount() : 0;
    indicatorRow_ = dataset_.currentRow();
    endResetModel();
    selectCurrent();
    selectedKeys_ = kept;
    selectKeptKeys(previousRows);
}

void DatasetModel::keepSelectedKeys()
{
    if (syncing_ || !selection_ || dataset_.keyField().isEmpty())
        return;
    const QModelIndexList rows = selection_->selectedRows();
    selectedKeys_.clear();
    if (rows.size() < 2)
        return;
    for (const QModelIndex &row : rows)
        if (row.row() < rows_)
            selectedKeys_ << dataset_.valueAt(row.row(), dataset_.keyField());
}

void DatasetModel::selectKeptKeys(int previousRows)
{
    if (!selection_ || selectedKeys_.isEmpty() || !dataset_.isOpen())
        return;
    // The rows stand about where they stood: reading as far as before (and a step for
    // rows added above them) finds them, without reading a long list to its end for a
    // row deleted meanwhile.
    const auto found = [this] {
        int count = 0;
        for (int row = 0; row < rows_; ++row)
            count += selectedKeys_.contains(dataset_.valueAt(row, dataset_.keyField())) ? 1 : 0;
        return count;
    };
    while (found() < selectedKeys_.size() && !dataset_.allFetched() && rows_ < previousRows + FetchStep)
        if (!guarded([this] { dataset_.fetchMore(FetchStep); }))
            break;
    if (found() == 0)
        return;
    // The grid's current row is not chosen unless it was before (it is the row next to
    // one deleted meanwhile).
    syncing_ = true;
    for (int row = 0; row < rows_; ++row) {
        const bool kept = selectedKeys_.contains(dataset_.valueAt(row, dataset_.keyField()));
        if (kept || selection_->isRowSelected(row))
            selection_->select(index(row, 0), (kept ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
                                                  | QItemSelectionModel::Rows);
    }
    syncing_ = false;
}

void DatasetModel::rowsFetched(int first, int last)
{
    if (first != rows_) {
        datasetReset();
        return;
    }
    beginInsertRows({}, first, last);
    rows_ = last + 1;
    endInsertRows();
}

void DatasetModel::rowInserted(int row)
{
    beginInsertRows({}, row, row);
    ++rows_;
    endInsertRows();
}

void DatasetModel::rowRemoved(int row)
{
    beginRemoveRows({}, row, row);
    --rows_;
    endRemoveRows();
}

void DatasetModel::rowChanged(int row)
{
    if (row >= 0 && row < rows_)
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DatasetModel::datasetCurrentChanged(int row)
{
    const int previous = indicatorRow_;
    indicatorRow_ = row;
    if (previous >= 0 && previous < rows_)
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0 && row < rows_)
        emit headerDataChanged(Qt::Vertical, row, row);
    // Announced again after the list was read again: the grid stands there already,
    // with the rows kept selected around it.
    if (row == previous && selection_ && row >= 0 && selection_->currentIndex().row() == row)
        return;
    selectCurrent();
}

void DatasetModel::selectCurrent()
{
    if (!selection_ || syncing_)
        return;
    syncing_ = true;
    // The selection is the current row alone from here on.
    selectedKeys_.clear();
    const int row = dataset_.currentRow();
    if (row >= 0 && row < rows_)
        selection_->setCurrentIndex(index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selection_->clear();
    syncing_ = false;
}

void DatasetModel::selectionCurrentChanged(const QModelIndex &current)
{
    if (syncing_ || !current.isValid())
        return;
    syncing_ = true;
    const bool moved = guarded([this, row = current.row()] { dataset_.setCurrentRow(row); });
    syncing_ = false;
    // The list could not go there: the grid goes back to the row the list stands on.
    if (!moved)
        selectCurrent();
}
