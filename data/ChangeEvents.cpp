#include "ChangeEvents.h"

#include "DatabaseCalls.h"
#include "FbError.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <utility>

namespace {

constexpr char ParameterBlockVersion = 1; // EPB_version1
constexpr int CountSize = 4;

// The block lists each name (its length in one byte) followed by its count, four bytes
// with the least significant first.
QByteArray parameterBlock(const QStringList &names)
{
    QByteArray block(1, ParameterBlockVersion);
    for (const QString &name : names) {
        const QByteArray bytes = name.toLatin1();
        block += char(bytes.size());
        block += bytes;
        block += QByteArray(CountSize, '\0');
    }
    return block;
}

quint32 countAt(const QByteArray &block, qsizetype offset)
{
    quint32 count = 0;
    for (int i = CountSize - 1; i >= 0; --i)
        count = count << 8 | quint8(block.at(offset + i));
    return count;
}

}

// Called by the database on a thread of its own, for one wait. It keeps the block
// delivered and asks the owner's thread to look at it; once the owner has let go, it
// forwards nothing. Only the wait's first call counts: the client may call again for
// a wait that has ended (with nothing, as it does when the wait's connection goes).
class ChangeEvents::Callback : public Firebird::IEventCallbackImpl<Callback, Firebird::CheckStatusWrapper>
{
public:
    explicit Callback(ChangeEvents *owner) : owner_(owner) {}

    void addRef() { ++references_; }
    int release()
    {
        if (--references_ != 0)
            return 1;
        delete this;
        return 0;
    }

    void eventCallbackFunction(unsigned length, const ISC_UCHAR *events)
    {
        const std::lock_guard lock(mutex_);
        if (!owner_ || called_)
            return;
        called_ = true;
        // Nothing delivered is the end of the wait with its connection: the owner must learn of it too.
        delivered_ = events ? QByteArray(reinterpret_cast<const char *>(events), int(length)) : QByteArray();
        QMetaObject::invokeMethod(owner_, &ChangeEvents::delivered, Qt::QueuedConnection);
    }

    void forgetOwner()
    {
        const std::lock_guard lock(mutex_);
        owner_ = nullptr;
    }

    // Nothing when no delivery came or it was taken already (a call queued for an
    // earlier wait of the owner's).
    std::optional<QByteArray> takeDelivered()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(delivered_, std::nullopt);
    }

private:
    std::atomic<int> references_{1};
    std::mutex mutex_;
    ChangeEvents *owner_;
    bool called_ = false;
    std::optional<QByteArray> delivered_;
};

ChangeEvents::ChangeEvents(FbConnection &connection, QStringList names, QObject *parent)
    : QObject(parent), connection_(connection), names_(std::move(names))
{
    connection_.addAttachmentUser(this);
    retryTimer_.setInterval(RetryMilliseconds);
    connect(&retryTimer_, &QTimer::timeout, this, &ChangeEvents::retry);
}

ChangeEvents::~ChangeEvents()
{
    stop();
    connection_.removeAttachmentUser(this);
}

bool ChangeEvents::listen()
{
    stop();
    counts_ = parameterBlock(names_);
    newCallback();
    // The first delivery comes with the counts as they stand, which may already hold a
    // change committed after the wait was asked for: it counts as a change, as does
    // every event posted since the server started. A list read again once too often
    // stays on its row; a change missed would stay out of sight.
    if (queue(counts_))
        return true;
    stop();
    return false;
}

bool ChangeEvents::queue(const QByteArray &block)
{
    FbApi::Status status;
    Firebird::IAttachment *attachment = own_ ? own_ : connection_.attachment();
    events_ = attachment->queEvents(&status, callback_, unsigned(block.size()),
                                    reinterpret_cast<const unsigned char *>(block.constData()));
    if (status.failed())
        events_ = nullptr;
    return events_ != nullptr;
}

void ChangeEvents::stop()
{
    retryTimer_.stop();
    interrupted_ = false;
    if (events_) {
        FbApi::Status status;
        events_->cancel(&status);
        // A connection already gone has no wait left to cancel.
        if (status.failed())
            events_->release();
        events_ = nullptr;
    }
    dropCallback();
    detachOwn();
}

void ChangeEvents::detachOwn()
{
    if (!own_)
        return;
    FbApi::Status status;
    own_->detach(&status);
    if (status.failed())
        own_->release();
    own_ = nullptr;
}

void ChangeEvents::dropCallback()
{
    if (!callback_)
        return;
    callback_->forgetOwner();
    callback_->release();
    callback_ = nullptr;
}

void ChangeEvents::newCallback()
{
    dropCallback();
    callback_ = new Callback(this);
}

void ChangeEvents::delivered()
{
    if (!events_)
        return;
    const std::optional<QByteArray> delivery = callback_->takeDelivered();
    if (!delivery)
        return;
    const QByteArray &block = *delivery;
    if (block.size() != counts_.size()) {
        // Asked for again at once, a wait whose connection cannot be made again would end
        // at once again, and so on without pause. The counts stay as last seen: the first
        // delivery of a wait asked for again announces whatever changed meanwhile.
        releaseEndedWait();
        waitLost();
        return;
    }
    if (interrupted_) {
        interrupted_ = false;
        emit resumed();
    }
    QStringList changed;
    qsizetype offset = 1;
    for (const QString &name : names_) {
        offset += 1 + name.size();
        if (countAt(block, offset) != countAt(counts_, offset))
            changed << name;
        offset += CountSize;
    }
    counts_ = block;
    // Whatever is posted from here on, until the wait is queued again, makes that wait
    // end at once: nothing is missed.
    releaseEndedWait();
    if (!queue(counts_))
        waitLost();
    for (const QString &name : changed)
        emit posted(name);
}

void ChangeEvents::releaseEndedWait()
{
    // Letting go of the ended wait still speaks to the server, so it may hang on one
    // that went silent like any other call.
    {
        const DatabaseCalls::Call call;
        events_->release();
    }
    events_ = nullptr;
    // The next wait has a callback of its own: whatever the client still says about
    // this one is not taken for the next one's.
    newCallback();
}

void ChangeEvents::waitLost()
{
    retryTimer_.start();
    if (interrupted_)
        return;
    interrupted_ = true;
    emit interrupted();
}

void ChangeEvents::retry()
{
    if (!callback_)
        return;
    // The client keeps a lost events connection as gone for the attachment it served:
    // the wait goes on an attachment of its own, made anew at every try.
    detachOwn();
    try {
        own_ = connection_.attachAnother();
    } catch (const FbError &) {
        return; // tried again at the next tick
    }
    // Back once a delivery of the new wait comes whole. Asked with no counts, the wait
    // ends at once with the counts as they stand (unless nothing was ever posted), which
    // the counts last seen tell apart.
    if (queue(parameterBlock(names_)))
        retryTimer_.stop();
}
