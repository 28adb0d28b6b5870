#include "FbSignalShutdown.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <ibase.h>

namespace {

int onShutdown(const int reason, const int, void *)
{
    // Runs on the client's own thread: only a queued request may reach the event loop.
    if (reason == fb_shutrsn_signal && QCoreApplication::instance())
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
    return 0;
}

}

void QuitApplicationWhenFirebirdShutsDown()
{
    ISC_STATUS_ARRAY status;
    fb_shutdown_callback(status, onShutdown, fb_shut_postproviders, nullptr);
}
