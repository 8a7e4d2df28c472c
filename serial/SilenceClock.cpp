#include "serial/SilenceClock.h"

namespace Ml {

SilenceClock::SilenceClock(int timeoutMs) : timeoutMs(counted(timeoutMs))
{
    restart();
}

void SilenceClock::restart()
{
    start = Clock::now();
}

int SilenceClock::remaining() const
{
    const long long spent =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    if (spent <= 0)
        return timeoutMs;
    return spent >= timeoutMs ? 0 : timeoutMs - static_cast<int>(spent);
}

} // namespace Ml
