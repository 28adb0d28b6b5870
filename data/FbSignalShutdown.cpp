#include "FbSignalShutdown.h"

#include <ibase.h>

namespace {

void (*requestEnd)() = nullptr;

// What a confirmation callback answers: go on with the shutdown, or refuse it.
constexpr int Confirm = 0;
constexpr int Refuse = 1;

int confirmShutdown(const int reason, const int, void *)
{
    if (reason != fb_shutrsn_signal)
        return Confirm;
    if (requestEnd)
        requestEnd();
    return Refuse; // refused: the attachments stay until the program has committed
}

}

void RefuseFirebirdShutdownOnSignals(void (*endRun)())
{
    const bool first = requestEnd == nullptr;
    requestEnd = endRun;
    if (!first)
        return;
    ISC_STATUS_ARRAY status;
    fb_shutdown_callback(status, confirmShutdown, fb_shut_confirmation, nullptr);
}
