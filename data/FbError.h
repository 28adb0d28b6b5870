#pragma once

#include <QString>
#include <QVector>
#include <stdexcept>

// Every failure of the database layer: the database's own message and its error
// codes (the first is the primary one). Code 0 marks a refusal of this program's
// own, such as a text the database's character set cannot hold.
class FbError : public std::runtime_error
{
public:
    static constexpr long DuplicateInUniqueIndex = 335544349;

    FbError(const QString &message, QVector<long> codes)
        : std::runtime_error(message.toStdString()), message_(message), codes_(std::move(codes)) {}
    explicit FbError(const QString &message) : FbError(message, {}) {}

    const QString &message() const { return message_; }
    long code() const { return codes_.isEmpty() ? 0 : codes_.first(); }
    bool hasCode(long code) const { return codes_.contains(code); }

private:
    QString message_;
    QVector<long> codes_;
};

// Ends the operation that asked for a store silently, after the user has already
// been told why (a duplicate name). The general error report ignores it.
class AbortOperation : public std::exception
{
public:
    const char *what() const noexcept override { return "operation aborted"; }
};
