#include "DatabaseCalls.h"

#include <atomic>
#include <chrono>

namespace {

thread_local int depth = 0;
// Steady-clock milliseconds, shifted by one so that 0 can mean "no call".
std::atomic<long long> outermostBegan{0};

long long now()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
               .count()
        + 1;
}

}

namespace DatabaseCalls {

void began()
{
    if (depth++ == 0)
        outermostBegan.store(now(), std::memory_order_relaxed);
}

void ended()
{
    if (--depth == 0)
        outermostBegan.store(0, std::memory_order_relaxed);
}

long long hangingForMilliseconds()
{
    const long long began = outermostBegan.load(std::memory_order_relaxed);
    return began == 0 ? 0 : now() - began;
}

}
