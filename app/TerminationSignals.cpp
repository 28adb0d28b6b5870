#include "TerminationSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int requests[2] = {-1, -1};

void openPipe()
{
    if (requests[0] >= 0)
        return;
    if (::pipe2(requests, O_CLOEXEC | O_NONBLOCK) != 0)
        requests[0] = requests[1] = -1;
}

void onSignal(int)
{
    TerminationSignals::requestEnd();
}

}

namespace TerminationSignals {

void catchSignals()
{
    openPipe();
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void requestEnd()
{
    const int saved = errno;
    if (requests[1] >= 0) {
        const char byte = 'x';
        [[maybe_unused]] const ssize_t written = ::write(requests[1], &byte, 1); // a full pipe already asks
    }
    errno = saved;
}

Watch::Watch(std::function<void()> endRun) : endRun_(std::move(endRun))
{
    openPipe();
    notifier_ = new QSocketNotifier(requests[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[64];
        while (::read(requests[0], bytes, sizeof bytes) > 0) {
        }
        endRun_();
    });
}

Watch::~Watch()
{
    notifier_->setEnabled(false);
}

}
