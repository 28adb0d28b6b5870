#pragma once

#include "FbQuery.h"
#include "UnreadableValue.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

// A list read by a select statement, kept as buffered rows that are fetched from
// the open cursor only as far as someone looks, with one current row shared by
// every view, and changed through insert/update/delete statements whose
// parameters are named after the columns (":OLD_<key>" is the key as read).
class Dataset : public QObject, private FbTransactionUser
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Insert, Edit };

    // What a post-error handler decides: let the error go on, or end the store silently.
    enum class PostErrorAction { Fail, Abort };
    using PostErrorHandler = std::function<void(Dataset &, const FbError &, PostErrorAction &)>;

    Dataset(FbTransaction &transaction, const QString &name, QObject *parent = nullptr);
    ~Dataset() override;

    const QString &name() const { return name_; }
    FbTransaction &transaction() const { return transaction_; }

    void setSelectSql(const QString &sql);
    void setInsertSql(const QString &sql) { insertSql_ = sql; }
    void setUpdateSql(const QString &sql) { updateSql_ = sql; }
    void setDeleteSql(const QString &sql) { deleteSql_ = sql; }
    // For a list whose change statements name every value as read: an update or delete
    // that touches other than exactly one row met another user's change, and fails as a
    // conflict does.
    void setRowCountCheck() { rowCountChecked_ = true; }
    void setPostErrorHandler(PostErrorHandler handler) { postErrorHandler_ = std::move(handler); }
    // Captions of the fields the user fills in, by column: a text its column cannot take
    // is refused before the store, naming the field as the user sees it.
    void setFieldCaptions(QHash<QString, QString> captions) { captions_ = std::move(captions); }
    void setParam(const QString &name, const QVariant &value) { select_.setParam(name, value); }
    // The column that identifies a row. Firebird's cursor may hand back a row that this
    // list stored after the cursor opened; with a key the list shows each row once.
    void setKeyField(const QString &field) { keyField_ = field.toUpper(); }
    const QString &keyField() const { return keyField_; }

    // Opening starts the transaction when it is not active; the first row becomes current.
    void open();
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    State state() const { return state_; }

    QStringList fieldNames() const { return fields_; }
    int fieldIndex(const QString &field) const { return fields_.indexOf(field.toUpper()); }

    // Rows read so far; fetchMore reads up to count further rows and returns how many came.
    int fetchedCount() const { return int(rows_.size()); }
    bool allFetched() const { return !select_.isOpen(); }
    int fetchMore(int count);
    void fetchAll();

    bool isEmpty() const { return rows_.empty(); }
    // -1 when the list is empty or closed.
    int currentRow() const { return current_; }
    void setCurrentRow(int row);
    bool next();

    QVariant value(const QString &field) const;
    QVariant valueAt(int row, const QString &field) const;
    QVariant valueAt(int row, int column) const;
    void setValue(const QString &field, const QVariant &value);

    // A new empty row at the end of the list, current and in insert state.
    void append();
    // Refused, as requireEditable() says, for a row that cannot be edited.
    void edit();
    // Throws, in words for the user, unless the list stands on a row whose every value
    // could be read: a row is never stored back with a value the user did not see.
    // Windows ask before they open an editor on the current row.
    void requireEditable() const;
    // The first value of the current row that could not be read, or nothing.
    std::optional<UnreadableValue> unreadableValue() const;
    // Stores the pending insertion or change; on failure the post-error handler decides.
    void post();
    // Forgets the pending insertion or change: an inserted row disappears, an edited one
    // gets back its stored values.
    void cancel();
    // Deletes the current row; the row that followed it becomes current, or the new last row.
    void remove();

    // Makes the first row whose field equals value current (reading further rows as
    // needed); false, and the current row unchanged, when there is none.
    bool locate(const QString &field, const QVariant &value);

    // Bound views stop following the list until the matching enable; the last enable
    // refreshes them once.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return disabled_ > 0; }

signals:
    // The whole list changed (opened, closed, or views resumed): views start afresh.
    void reset();
    void rowsFetched(int first, int last);
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    void currentRowChanged(int row);

private:
    void transactionEnding() override { close(); }
    // Refuses, in words for the user, a text too long for its column or with a
    // character Windows-1250 cannot hold.
    void checkTexts(const std::vector<QVariant> &row) const;
    void runChange(const QString &sql, const std::vector<QVariant> &row, const std::vector<QVariant> &stored);
    void requireBrowse(const char *operation) const;
    void notifyCurrent();
    void notifyFetched(int first);
    // The key of a buffered row, or nothing when the list has no key column.
    std::optional<qint64> keyOf(const std::vector<QVariant> &row) const;
    void rememberStored(const std::vector<QVariant> &row);

    FbTransaction &transaction_;
    QString name_;
    FbQuery select_;
    FbQuery change_;
    QString insertSql_, updateSql_, deleteSql_;
    bool rowCountChecked_ = false;
    PostErrorHandler postErrorHandler_;
    QHash<QString, QString> captions_;
    QString keyField_;
    int keyColumn_ = -1;
    // Keys this list inserted or changed while its cursor was still reading: the cursor
    // may bring these rows again, and they are already in the buffer.
    std::unordered_set<qint64> storedWhileReading_;

    QStringList fields_;
    // Rows as read are kept packed in large blocks and decoded on access; a row the
    // program changes is held as values from then on.
    struct Row
    {
        const char *packed = nullptr;
        std::unique_ptr<std::vector<QVariant>> values;
    };
    class RowArena
    {
    public:
        const char *keep(const char *bytes, size_t size);
        void clear();

    private:
        static constexpr size_t BlockSize = 64 * 1024;
        std::vector<std::unique_ptr<char[]>> blocks_;
        size_t used_ = 0;
    };
    std::vector<QVariant> &values(int row);

    FbQuery::Layout layout_;
    RowArena arena_;
    QByteArray fetchBuffer_;
    std::vector<Row> rows_;
    std::vector<QVariant> editBackup_;
    State state_ = State::Inactive;
    int current_ = -1;
    int disabled_ = 0;
};
