#include "TerminationSignals.h"

#include "DatabaseCalls.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <semaphore.h>
#include <thread>
#include <unistd.h>

namespace {

int requests[2] = {-1, -1};

// The fallback for a run that a database call keeps from ending: the call hangs on a
// server that no longer answers, before the event loop takes the request or during the
// orderly end itself (its commits, the end of the wait for change events). Whatever was
// committed is the server's; the run ends at once with the status a process ended by
// the signal reports.
constexpr long long HangingCallMilliseconds = 3000;
sem_t signalled;
std::atomic<int> lastSignal{0};

void endWhileACallHangs()
{
    while (sem_wait(&signalled) != 0) {
    }
    for (;;) {
        if (DatabaseCalls::hangingForMilliseconds() >= HangingCallMilliseconds)
            ::_exit(128 + lastSignal.load());
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

void startFallback()
{
    static std::once_flag once;
    std::call_once(once, [] {
        sem_init(&signalled, 0, 0);
        std::thread(endWhileACallHangs).detach();
    });
}

void openPipe()
{
    if (requests[0] >= 0)
        return;
    if (::pipe2(requests, O_CLOEXEC | O_NONBLOCK) != 0)
        requests[0] = requests[1] = -1;
}

void onSignal(int signal)
{
    lastSignal.store(signal);
    const int saved = errno;
    sem_post(&signalled);
    errno = saved;
    TerminationSignals::requestEnd();
}

}

namespace TerminationSignals {

void catchSignals()
{
    openPipe();
    startFallback();
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
