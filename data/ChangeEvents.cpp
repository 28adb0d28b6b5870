#include "ChangeEvents.h"

#include "DatabaseCalls.h"

#include <atomic>
#include <mutex>
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

// Called by the database on a thread of its own. It keeps the block delivered and asks
// the owner's thread to look at it; once the owner has let go, it forwards nothing.
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
        if (!owner_ || !events)
            return;
        delivered_ = QByteArray(reinterpret_cast<const char *>(events), int(length));
        QMetaObject::invokeMethod(owner_, &ChangeEvents::delivered, Qt::QueuedConnection);
    }

    void forgetOwner()
    {
        const std::lock_guard lock(mutex_);
        owner_ = nullptr;
    }

    QByteArray takeDelivered()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(delivered_, QByteArray());
    }

private:
    std::atomic<int> references_{1};
    std::mutex mutex_;
    ChangeEvents *owner_;
    QByteArray delivered_;
};

ChangeEvents::ChangeEvents(FbConnection &connection, QStringList names, QObject *parent)
    : QObject(parent), connection_(connection), names_(std::move(names))
{
    connection_.addAttachmentUser(this);
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
    callback_ = new Callback(this);
    // The first delivery comes with the counts as they stand, which may already hold a
    // change committed after the wait was asked for: it counts as a change, as does
    // every event posted since the server started. A list read again once too often
    // stays on its row; a change missed would stay out of sight.
    if (queue())
        return true;
    stop();
    return false;
}

bool ChangeEvents::queue()
{
    FbApi::Status status;
    events_ = connection_.attachment()->queEvents(&status, callback_, unsigned(counts_.size()),
                                                  reinterpret_cast<const unsigned char *>(counts_.constData()));
    if (status.failed())
        events_ = nullptr;
    return events_ != nullptr;
}

void ChangeEvents::stop()
{
    if (events_) {
        FbApi::Status status;
        events_->cancel(&status);
        // A connection already gone has no wait left to cancel.
        if (status.failed())
            events_->release();
        events_ = nullptr;
    }
    if (callback_) {
        callback_->forgetOwner();
        callback_->release();
        callback_ = nullptr;
    }
}

void ChangeEvents::delivered()
{
    if (!events_)
        return;
    const QByteArray block = callback_->takeDelivered();
    if (block.size() != counts_.size())
        return;
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
    // end at once: nothing is missed. Letting go of the ended wait still speaks to the
    // server, so it may hang on one that went silent like any other call.
    {
        const DatabaseCalls::Call call;
        events_->release();
    }
    events_ = nullptr;
    if (!queue())
        stop();
    for (const QString &name : changed)
        emit posted(name);
}
