#include "ServerWatch.h"

#include "FailureReport.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {

ServerWatch::Timing &configuredTiming()
{
    static ServerWatch::Timing timing{std::chrono::seconds(10), std::chrono::seconds(30)};
    return timing;
}

// The client's own code for a network that failed, which every window reads as a
// lost connection.
constexpr long NetworkError = 335544721;

}

ServerWatch::Timing ServerWatch::timing()
{
    return configuredTiming();
}

void ServerWatch::setTiming(Timing timing)
{
    configuredTiming() = timing;
}

ServerWatch::ServerWatch(Firebird::IProvider *provider, Firebird::IAttachment *watched,
                         const QByteArray &databaseName, const std::vector<unsigned char> &parameters)
    : watched_(watched), timing_(configuredTiming())
{
    // Its calls are not the program's: a plain status keeps them out of the call clock.
    Firebird::CheckStatusWrapper status(FbApi::master()->getStatus());
    own_ = provider->attachDatabase(&status, databaseName.constData(), static_cast<unsigned>(parameters.size()),
                                    parameters.data());
    status.dispose();
    if (!own_)
        return;
    pinger_ = std::thread(&ServerWatch::pingNowAndThen, this);
    judge_ = std::thread(&ServerWatch::judgeSilence, this);
}

ServerWatch::~ServerWatch()
{
    *stillWatching_ = false;
    if (!own_)
        return;
    bool abortOwn = false;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        abortOwn = pingPending_ && !gone_;
    }
    wake_.notify_all();
    judge_.join();
    Firebird::CheckStatusWrapper status(FbApi::master()->getStatus());
    if (abortOwn)
        own_->cancelOperation(&status, fb_cancel_abort); // a ping on its way to a server that just went
    pinger_.join();
    status.init();
    own_->detach(&status);
    if (status.getState() & Firebird::IStatus::STATE_ERRORS)
        own_->release();
    status.dispose();
}

void ServerWatch::pingNowAndThen()
{
    Firebird::CheckStatusWrapper status(FbApi::master()->getStatus());
    std::unique_lock lock(mutex_);
    while (!stopping_ && !gone_) {
        if (wake_.wait_for(lock, timing_.pingInterval, [this] { return stopping_ || gone_; }))
            break;
        pingSent_ = std::chrono::steady_clock::now();
        pingPending_ = true;
        lock.unlock();
        status.init();
        own_->ping(&status);
        lock.lock();
        pingPending_ = false;
        // An answer that is an error (this attachment alone was ended, or the server
        // stopped in order) leaves the program's own calls to tell.
        if (status.getState() & Firebird::IStatus::STATE_ERRORS)
            break;
    }
    lock.unlock();
    status.dispose();
}

void ServerWatch::judgeSilence()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stopping_; });
        if (!stopping_ && pingPending_ && std::chrono::steady_clock::now() - pingSent_ >= timing_.silenceLimit) {
            gone_ = true;
            lock.unlock();
            declareServerGone();
            return;
        }
    }
}

void ServerWatch::declareServerGone()
{
    Firebird::CheckStatusWrapper status(FbApi::master()->getStatus());
    // Closes the sockets: every call waiting on them fails at once.
    watched_->cancelOperation(&status, fb_cancel_abort);
    status.init();
    own_->cancelOperation(&status, fb_cancel_abort);
    status.dispose();
    wake_.notify_all();
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    QMetaObject::invokeMethod(
        application,
        [stillWatching = stillWatching_] {
            if (*stillWatching)
                ReportFailure(FbError(QStringLiteral("Serwer baz danych nie odpowiada."), {NetworkError}));
        },
        Qt::QueuedConnection);
}
