#include "FbTransaction.h"

#include "FbConnection.h"

FbTransaction::FbTransaction(FbConnection &connection, Kind kind)
    : connection_(connection), kind_(kind)
{
    connection_.enlist(this);
}

FbTransaction::~FbTransaction()
{
    abandon();
    if (connectionAlive_)
        connection_.delist(this);
}

void FbTransaction::connectionGone()
{
    connectionAlive_ = false;
}

void FbTransaction::connectionClosing()
{
    const QList<FbTransactionUser *> users = users_;
    for (FbTransactionUser *user : users)
        user->connectionClosing();
}

void FbTransaction::abandon()
{
    if (!handle_)
        return;
    FbApi::Status status;
    handle_->rollback(&status);
    if (status.failed())
        handle_->release();
    handle_ = nullptr;
}

void FbTransaction::start()
{
    if (handle_)
        throw FbError(QStringLiteral("Transakcja jest już aktywna."));
    Firebird::IAttachment *attachment = connection_.attachment();
    FbApi::Status status;
    auto *tpb = FbApi::util()->getXpbBuilder(&status, Firebird::IXpbBuilder::TPB, nullptr, 0);
    status.check();
    if (kind_ == Kind::Snapshot) {
        tpb->insertTag(&status, isc_tpb_concurrency);
        tpb->insertTag(&status, isc_tpb_wait);
        // A wait on another desktop's uncommitted change ends, as a conflict, instead
        // of freezing the window until that desktop commits.
        tpb->insertInt(&status, isc_tpb_lock_timeout, LockTimeoutSeconds);
        tpb->insertTag(&status, isc_tpb_write);
    } else {
        tpb->insertTag(&status, isc_tpb_read_committed);
        tpb->insertTag(&status, isc_tpb_rec_version);
        tpb->insertTag(&status, isc_tpb_nowait);
        tpb->insertTag(&status, isc_tpb_write);
    }
    Firebird::ITransaction *handle = attachment->startTransaction(
        &status, tpb->getBufferLength(&status), tpb->getBuffer(&status));
    tpb->dispose();
    status.check();
    handle_ = handle;
}

void FbTransaction::closeUsers()
{
    // A copy: closing may make a user deregister itself.
    const QList<FbTransactionUser *> users = users_;
    for (FbTransactionUser *user : users)
        user->transactionEnding();
}

void FbTransaction::commit()
{
    if (!handle_)
        return;
    closeUsers();
    FbApi::Status status;
    handle_->commit(&status);
    if (!status.failed()) {
        handle_ = nullptr; // commit released the interface
        return;
    }
    try {
        status.check();
    } catch (const FbError &error) {
        throw error.forCommit();
    }
}

void FbTransaction::rollback()
{
    if (!handle_)
        return;
    closeUsers();
    FbApi::Status status;
    handle_->rollback(&status);
    if (!status.failed())
        handle_ = nullptr;
    status.check();
}

void FbTransaction::ensureActive()
{
    if (!handle_)
        start();
}

Firebird::ITransaction *FbTransaction::handle() const
{
    if (!handle_)
        throw FbError(QStringLiteral("Transakcja nie jest aktywna."));
    return handle_;
}
