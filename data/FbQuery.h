#pragma once

#include "FbTransaction.h"

#include <QHash>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <vector>

// One SQL statement with named parameters (":Name", case-insensitive) on a
// transaction: DDL and changes through execute(), procedures with their output
// parameters, and cursors that fetch one row at a time.
//
// Values cross as QVariant: an invalid QVariant is NULL, texts are QString
// (Windows-1250 in the database), integers int/qint64, scaled numerics Money (an
// UnreadableValue when beyond it), TIMESTAMP QDateTime (its fields as stored, in UTC
// only to keep them clear of any time zone), DATE QDate, text blobs QString.
class FbQuery : public FbTransactionUser
{
public:
    explicit FbQuery(FbTransaction &transaction);
    ~FbQuery();
    FbQuery(const FbQuery &) = delete;
    FbQuery &operator=(const FbQuery &) = delete;

    // Replacing the text closes the cursor and keeps parameter values whose names remain.
    void setSql(const QString &sql);
    const QString &sql() const { return sql_; }
    FbTransaction &transaction() const { return transaction_; }

    QStringList paramNames() const;
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;

    void execute();
    // Rows touched by the last execute() of an insert, update or delete.
    qint64 affectedRows() const { return affectedRows_; }
    // Output parameters of the last execute() of a procedure.
    QVariant output(const QString &name) const;

    void open();
    bool isOpen() const { return cursor_ != nullptr; }
    // False once there are no more rows; the cursor is then closed.
    bool fetch(QVector<QVariant> &row);
    void close();

    // Names of the result columns (available once the statement has been prepared).
    QStringList columnNames();

    // Rows kept compactly: per column a marker byte (0 for NULL, 2 for an amount beyond
    // a Money) and, for a value, its bytes: texts as a 32-bit length and their
    // Windows-1250 bytes (blobs read whole), amounts as the raw Money (or, beyond it, the
    // column's scaled integer), the rest as the engine holds them. Decoded on access.
    enum class Kind { Text, Int32, Int64, Money, Timestamp, Date, Time, Boolean };
    struct Column
    {
        Kind kind = Kind::Text;
        unsigned type = 0, length = 0, offset = 0, nullOffset = 0;
        int scale = 0;
    };
    using Layout = std::vector<Column>;
    // The result columns' layout (available once the statement has been prepared).
    const Layout &layout() const { return layout_; }
    // Appends the next row, packed, to out; false once there are no more rows (the cursor is then closed).
    bool fetchPacked(QByteArray &out);
    // One value of a packed row, as fetch() gives it.
    static QVariant unpack(const char *packed, const Layout &layout, int column);

    void transactionEnding() override { close(); }
    void connectionClosing() override
    {
        close();
        unprepare();
    }

private:
    void prepare();
    void unprepare();
    struct Input
    {
        FbApi::Ref<Firebird::IMessageMetadata> metadata;
        QByteArray buffer;
        char *data() { return buffer.isEmpty() ? nullptr : buffer.data(); }
    };
    // Prepares the statement in an active transaction and builds its input message.
    Input prepareInput();
    // The next row into the output buffer; false (the cursor closed) after the last one.
    bool fetchNext();
    QVector<QVariant> readRow(const unsigned char *buffer);
    void buildLayout();
    void pack(const unsigned char *buffer, QByteArray &out);

    FbTransaction &transaction_;
    QString sql_;
    QByteArray preparedSql_;
    QStringList positionNames_;             // the parameter name of each '?', in order
    QHash<QString, QVariant> params_;       // keyed by upper-case name
    QHash<QString, QVariant> outputs_;
    Firebird::IStatement *statement_ = nullptr;
    Firebird::IMessageMetadata *outMeta_ = nullptr;
    Firebird::IResultSet *cursor_ = nullptr;
    QByteArray outBuffer_;
    QStringList columns_;
    Layout layout_;
    qint64 affectedRows_ = 0;
};
