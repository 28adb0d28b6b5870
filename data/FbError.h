#pragma once

#include <QString>
#include <QVector>
#include <stdexcept>

// Every failure of the database layer: the message for the user and the database's
// error codes (the first is the primary one). Code 0 marks a refusal of this
// program's own, such as a text the database's character set cannot hold.
//
// Two kinds of failure mean the same to every window and read as one Polish sentence
// each: a conflict with another user's change of the same row, and a lost
// connection. So does a database file another process holds open. Every other
// failure carries the database's own message.
class FbError : public std::runtime_error
{
public:
    static constexpr long DuplicateInUniqueIndex = 335544349;
    static constexpr long NoPermission = 335544352;
    static constexpr long UpdateConflict = 335544451;
    // The embedded engine of another process (another account's, say) has the file open.
    static constexpr long AlreadyOpened = 335545107;

    enum class Kind { Other, Conflict, ConnectionLost };

    static const QString &ConflictMessage();
    static const QString &ConnectionLostMessage();
    // The connection went while a commit waited for its answer: nobody knows whether
    // the server stored the change.
    static const QString &UnansweredCommitMessage();
    // A database file another process has open, which the engine refuses to share.
    static const QString &OpenElsewhereMessage();

    FbError(const QString &message, QVector<long> codes);
    explicit FbError(const QString &message) : FbError(message, {}) {}

    const QString &message() const { return message_; }
    // What the database itself said (the same as message() unless the kind is not Other).
    const QString &databaseMessage() const { return databaseMessage_; }
    long code() const { return codes_.isEmpty() ? 0 : codes_.first(); }
    bool hasCode(long code) const { return codes_.contains(code); }
    Kind kind() const { return kind_; }
    bool isConflict() const { return kind_ == Kind::Conflict; }
    bool isConnectionLost() const { return kind_ == Kind::ConnectionLost; }
    // This failure as a failed commit tells it: a commit that lost its connection may
    // have been stored by the server without its answer coming back.
    FbError forCommit() const;

private:
    QString message_;
    QString databaseMessage_;
    QVector<long> codes_;
    Kind kind_ = Kind::Other;
};

// Ends the operation that asked for a store silently, after the user has already
// been told why (a duplicate name). The general error report ignores it.
class AbortOperation : public std::exception
{
public:
    const char *what() const noexcept override { return "operation aborted"; }
};
