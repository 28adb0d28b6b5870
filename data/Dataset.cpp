#include "Dataset.h"

#include "Cp1250.h"
#include "Money.h"

#include <cstring>

namespace {

// Enough rows for a first screen; views ask for more as they scroll.
constexpr int FirstBatch = 64;

bool isIntegral(const QVariant &value)
{
    const int id = value.metaType().id();
    return id == QMetaType::Int || id == QMetaType::LongLong || id == QMetaType::UInt
        || id == QMetaType::ULongLong || id == QMetaType::Short;
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (!a.isValid() || !b.isValid())
        return false;
    if (isIntegral(a) && isIntegral(b))
        return a.toLongLong() == b.toLongLong();
    if (a.metaType() == QMetaType::fromType<Money>() && b.metaType() == QMetaType::fromType<Money>())
        return a.value<Money>() == b.value<Money>();
    return a == b;
}

}

Dataset::Dataset(FbTransaction &transaction, const QString &name, QObject *parent)
    : QObject(parent), transaction_(transaction), name_(name), select_(transaction), change_(transaction)
{
    transaction_.addUser(this);
}

Dataset::~Dataset()
{
    transaction_.removeUser(this);
}

void Dataset::setSelectSql(const QString &sql)
{
    close();
    select_.setSql(sql);
}

void Dataset::requireBrowse(const char *operation) const
{
    if (state_ != State::Browse)
        throw FbError(QStringLiteral("%1: operacja %2 wymaga otwartej listy bez niezapisanych zmian.")
                          .arg(name_, QString::fromLatin1(operation)));
}

void Dataset::notifyCurrent()
{
    if (!controlsDisabled())
        emit currentRowChanged(current_);
}

void Dataset::open()
{
    close();
    transaction_.ensureActive();
    select_.open();
    fields_ = select_.columnNames();
    layout_ = select_.layout();
    keyColumn_ = keyField_.isEmpty() ? -1 : int(fields_.indexOf(keyField_));
    state_ = State::Browse;
    fetchMore(FirstBatch);
    current_ = rows_.empty() ? -1 : 0;
    if (!controlsDisabled())
        emit reset();
    notifyCurrent();
}

void Dataset::close()
{
    if (state_ == State::Inactive)
        return;
    select_.close();
    rows_.clear();
    arena_.clear();
    editBackup_.clear();
    storedWhileReading_.clear();
    state_ = State::Inactive;
    current_ = -1;
    if (!controlsDisabled())
        emit reset();
    notifyCurrent();
}

int Dataset::fetchMore(int count)
{
    const int first = fetchedCount();
    try {
        while (fetchedCount() - first < count && select_.isOpen()) {
            fetchBuffer_.resize(0); // keeps its capacity: one allocation for the whole read
            if (!select_.fetchPacked(fetchBuffer_))
                break;
            if (!storedWhileReading_.empty() && keyColumn_ >= 0) {
                const QVariant key = FbQuery::unpack(fetchBuffer_.constData(), layout_, keyColumn_);
                if (isIntegral(key) && storedWhileReading_.count(key.toLongLong()))
                    continue;
            }
            Row row;
            row.packed = arena_.keep(fetchBuffer_.constData(), size_t(fetchBuffer_.size()));
            rows_.push_back(std::move(row));
        }
    } catch (...) {
        // A cursor that failed once is not asked again: the list keeps what it read,
        // and views that scroll on do not raise the same error over and over.
        select_.close();
        notifyFetched(first);
        throw;
    }
    notifyFetched(first);
    return fetchedCount() - first;
}

void Dataset::notifyFetched(int first)
{
    if (fetchedCount() > first && !controlsDisabled())
        emit rowsFetched(first, fetchedCount() - 1);
}

void Dataset::fetchAll()
{
    while (fetchMore(1024) > 0) {
    }
}

void Dataset::setCurrentRow(int row)
{
    if (state_ != State::Browse)
        return;
    while (row >= fetchedCount() && fetchMore(FirstBatch) > 0) {
    }
    row = qBound(rows_.empty() ? -1 : 0, row, fetchedCount() - 1);
    if (row == current_)
        return;
    current_ = row;
    notifyCurrent();
}

bool Dataset::next()
{
    if (state_ != State::Browse || current_ < 0)
        return false;
    if (current_ + 1 >= fetchedCount() && fetchMore(FirstBatch) == 0)
        return false;
    ++current_;
    notifyCurrent();
    return true;
}

QVariant Dataset::value(const QString &field) const
{
    return valueAt(current_, field);
}

QVariant Dataset::valueAt(int row, const QString &field) const
{
    return valueAt(row, fieldIndex(field));
}

QVariant Dataset::valueAt(int row, int column) const
{
    if (row < 0 || row >= fetchedCount() || column < 0 || column >= fields_.size())
        return {};
    const Row &stored = rows_[size_t(row)];
    if (stored.values)
        return (*stored.values)[size_t(column)];
    return FbQuery::unpack(stored.packed, layout_, column);
}

std::vector<QVariant> &Dataset::values(int row)
{
    if (row < 0 || row >= fetchedCount())
        throw FbError(QStringLiteral("%1: brak wiersza %2 na liście.").arg(name_).arg(row + 1));
    Row &stored = rows_[size_t(row)];
    if (!stored.values) {
        auto values = std::make_unique<std::vector<QVariant>>();
        values->reserve(size_t(fields_.size()));
        for (int column = 0; column < fields_.size(); ++column)
            values->push_back(FbQuery::unpack(stored.packed, layout_, column));
        stored.values = std::move(values);
    }
    return *stored.values;
}

void Dataset::setValue(const QString &field, const QVariant &value)
{
    if (state_ != State::Insert && state_ != State::Edit)
        throw FbError(QStringLiteral("%1: zmiana pola %2 poza edycją wiersza.").arg(name_, field));
    const int column = fieldIndex(field);
    if (column < 0)
        throw FbError(QStringLiteral("%1: brak pola %2.").arg(name_, field));
    values(current_)[size_t(column)] = value;
    if (!controlsDisabled())
        emit rowChanged(current_);
}

void Dataset::append()
{
    requireBrowse("append");
    // The new row goes in front of the current one, so that rows not yet read stay after it.
    const int at = current_ < 0 ? 0 : current_;
    Row row;
    row.values = std::make_unique<std::vector<QVariant>>(size_t(fields_.size()));
    rows_.insert(rows_.begin() + at, std::move(row));
    current_ = at;
    state_ = State::Insert;
    if (!controlsDisabled())
        emit rowInserted(at);
    notifyCurrent();
}

void Dataset::edit()
{
    requireBrowse("edit");
    requireEditable();
    editBackup_ = values(current_);
    state_ = State::Edit;
}

void Dataset::requireEditable() const
{
    if (current_ < 0 || current_ >= fetchedCount())
        throw FbError(QStringLiteral("%1: brak wiersza do poprawienia.").arg(name_));
    if (const std::optional<UnreadableValue> unreadable = unreadableValue())
        throw FbError(QStringLiteral("Tej pozycji nie można poprawić: %1. Można ją tylko usunąć.").arg(unreadable->reason));
}

std::optional<UnreadableValue> Dataset::unreadableValue() const
{
    for (int column = 0; column < fields_.size(); ++column) {
        const QVariant value = valueAt(current_, column);
        if (IsUnreadable(value))
            return value.value<UnreadableValue>();
    }
    return std::nullopt;
}

void Dataset::post()
{
    if (state_ != State::Insert && state_ != State::Edit)
        return;
    checkTexts(values(current_));
    try {
        if (state_ == State::Insert)
            runChange(insertSql_, values(current_), {});
        else
            runChange(updateSql_, values(current_), editBackup_);
    } catch (const FbError &error) {
        if (!postErrorHandler_)
            throw;
        PostErrorAction action = PostErrorAction::Fail;
        postErrorHandler_(*this, error, action);
        if (action == PostErrorAction::Abort)
            throw AbortOperation();
        throw;
    }
    rememberStored(values(current_));
    state_ = State::Browse;
    editBackup_.clear();
    if (!controlsDisabled())
        emit rowChanged(current_);
}

std::optional<qint64> Dataset::keyOf(const std::vector<QVariant> &row) const
{
    if (keyColumn_ < 0 || size_t(keyColumn_) >= row.size() || !isIntegral(row[size_t(keyColumn_)]))
        return std::nullopt;
    return row[size_t(keyColumn_)].toLongLong();
}

void Dataset::rememberStored(const std::vector<QVariant> &row)
{
    if (!select_.isOpen())
        return;
    if (const std::optional<qint64> key = keyOf(row))
        storedWhileReading_.insert(*key);
}

void Dataset::cancel()
{
    if (state_ == State::Insert) {
        const int removed = current_;
        rows_.erase(rows_.begin() + removed);
        state_ = State::Browse;
        current_ = rows_.empty() ? -1 : qMin(removed, fetchedCount() - 1);
        if (!controlsDisabled())
            emit rowRemoved(removed);
        notifyCurrent();
    } else if (state_ == State::Edit) {
        values(current_) = editBackup_;
        editBackup_.clear();
        state_ = State::Browse;
        if (!controlsDisabled())
            emit rowChanged(current_);
    }
}

void Dataset::remove()
{
    requireBrowse("delete");
    if (current_ < 0)
        throw FbError(QStringLiteral("%1: brak wiersza do usunięcia.").arg(name_));
    const std::vector<QVariant> &row = values(current_);
    runChange(deleteSql_, row, row);
    const int removed = current_;
    rows_.erase(rows_.begin() + removed);
    // Views drop the row before any further row arrives, so that they keep counting
    // the rows of the list.
    if (!controlsDisabled())
        emit rowRemoved(removed);
    // The row is gone whatever reading on brings: the list stands on a row it holds
    // before it asks the cursor for the one that takes the deleted row's place.
    current_ = rows_.empty() ? -1 : qMin(removed, fetchedCount() - 1);
    try {
        if (removed >= fetchedCount() && fetchMore(1) > 0)
            current_ = removed;
    } catch (...) {
        notifyCurrent();
        throw;
    }
    notifyCurrent();
}

void Dataset::checkTexts(const std::vector<QVariant> &row) const
{
    for (int column = 0; column < fields_.size() && size_t(column) < row.size() && size_t(column) < layout_.size(); ++column) {
        const QVariant &value = row[size_t(column)];
        if (value.metaType() != QMetaType::fromType<QString>())
            continue;
        const QString text = value.toString();
        const QString field = captions_.value(fields_.at(column), fields_.at(column));
        const qsizetype bad = Cp1250::firstUnheld(text);
        if (bad >= 0)
            throw FbError(QStringLiteral("Pole „%1” zawiera znak „%2”, którego nie można zapisać w bazie danych "
                                         "(strona kodowa Windows-1250). Należy go usunąć lub zastąpić.")
                              .arg(field, text.mid(bad, text.at(bad).isHighSurrogate() ? 2 : 1)));
        // One byte a character in Windows-1250; blobs take any length.
        const FbQuery::Column &stored = layout_[size_t(column)];
        const bool bounded = stored.type == SQL_TEXT || stored.type == SQL_VARYING;
        if (bounded && text.size() > qsizetype(stored.length))
            throw FbError(QStringLiteral("Tekst w polu „%1” jest za długi (znaków: %2, najwyżej: %3). Należy go skrócić.")
                              .arg(field).arg(text.size()).arg(stored.length));
    }
}

void Dataset::runChange(const QString &sql, const std::vector<QVariant> &row, const std::vector<QVariant> &stored)
{
    if (sql.isEmpty())
        throw FbError(QStringLiteral("%1: lista nie pozwala na zmiany.").arg(name_));
    if (change_.sql() != sql)
        change_.setSql(sql);
    for (const QString &param : change_.paramNames()) {
        const bool old = param.startsWith(QLatin1String("OLD_"));
        const int column = fieldIndex(old ? param.mid(4) : param);
        const std::vector<QVariant> &source = old ? stored : row;
        change_.setParam(param, column >= 0 && size_t(column) < source.size() ? source[size_t(column)] : QVariant());
    }
    change_.execute();
    const bool keyed = sql.trimmed().startsWith(QLatin1String("update"), Qt::CaseInsensitive)
        || sql.trimmed().startsWith(QLatin1String("delete"), Qt::CaseInsensitive);
    if (keyed && rowCountChecked_ && change_.affectedRows() != 1)
        throw FbError(QStringLiteral("%1: wiersz nie jest już taki, jak go odczytano.").arg(name_),
                      {FbError::UpdateConflict});
}

bool Dataset::locate(const QString &field, const QVariant &value)
{
    const int column = fieldIndex(field);
    if (column < 0 || state_ != State::Browse)
        return false;
    for (int row = 0;; ++row) {
        if (row >= fetchedCount() && fetchMore(FirstBatch) == 0)
            return false;
        if (sameValue(valueAt(row, column), value)) {
            if (row != current_) {
                current_ = row;
                notifyCurrent();
            }
            return true;
        }
    }
}

void Dataset::disableControls()
{
    ++disabled_;
}

void Dataset::enableControls()
{
    if (disabled_ == 0 || --disabled_ > 0)
        return;
    emit reset();
    emit currentRowChanged(current_);
}

const char *Dataset::RowArena::keep(const char *bytes, size_t size)
{
    if (blocks_.empty() || used_ + size > BlockSize) {
        // A row larger than a block (a long text) gets a block of its own.
        blocks_.push_back(std::make_unique<char[]>(qMax(BlockSize, size)));
        used_ = 0;
    }
    char *at = blocks_.back().get() + used_;
    std::memcpy(at, bytes, size);
    used_ += size;
    return at;
}

void Dataset::RowArena::clear()
{
    blocks_.clear();
    used_ = 0;
}
