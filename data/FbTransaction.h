#pragma once

#include "FbApi.h"

#include <QList>
#include <QString>

class FbConnection;

// Something that holds an open cursor in a transaction and must close it when the
// transaction ends (a dataset, a query).
class FbTransactionUser
{
public:
    virtual void transactionEnding() = 0;
    // The connection is about to detach: what was prepared on it is let go, to be
    // prepared again on the next connection.
    virtual void connectionClosing() {}

protected:
    ~FbTransactionUser() = default;
};

// One transaction on a connection; it may be started, committed and started again
// any number of times. Committing closes every user's cursor first.
class FbTransaction
{
public:
    enum class Kind {
        Snapshot,              // concurrency, wait, read-write: the server's default
        ReadCommittedNoWait,   // read_committed, rec_version, nowait
    };

    // How long a snapshot transaction waits for a row another transaction holds.
    static constexpr int LockTimeoutSeconds = 10;

    explicit FbTransaction(FbConnection &connection, Kind kind = Kind::Snapshot);
    ~FbTransaction();
    FbTransaction(const FbTransaction &) = delete;
    FbTransaction &operator=(const FbTransaction &) = delete;

    // What the transaction serves, in words for the user ("kontrahenci").
    void setDescription(const QString &description) { description_ = description; }
    const QString &description() const { return description_; }

    bool isActive() const { return handle_ != nullptr; }
    void start();
    void commit();
    void rollback();
    // Starts the transaction when it is not active.
    void ensureActive();

    Firebird::ITransaction *handle() const;
    FbConnection &connection() const { return connection_; }

    void addUser(FbTransactionUser *user) { users_.append(user); }
    void removeUser(FbTransactionUser *user) { users_.removeAll(user); }

private:
    friend class FbConnection;
    void connectionGone();
    void connectionClosing();
    // After a failed commit: rolls back, or at least lets go of the handle.
    void abandon();
    void closeUsers();

    FbConnection &connection_;
    Kind kind_;
    Firebird::ITransaction *handle_ = nullptr;
    QList<FbTransactionUser *> users_;
    bool connectionAlive_ = true;
    QString description_ = QStringLiteral("transakcja");
};
