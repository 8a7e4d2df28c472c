// How long the line has been silent, measured against the read time-out. The worker restarts
// it when bytes arrive and when it reports a time-out; a read that ends early without bytes
// (a write woke it) changes nothing, so the next read waits only for what is left. Plain C++,
// no Qt, so the Windows check drives the same rule.
#pragma once

#include <chrono>

namespace Ml {

class SilenceClock
{
public:
    // Starts the clock. A time-out below 1 ms counts as 1 ms (counted()).
    explicit SilenceClock(int timeoutMs);
    // The time-out the clock and the port count for a given one: at least 1 ms.
    static int counted(int timeoutMs) { return timeoutMs < 1 ? 1 : timeoutMs; }

    void restart();
    // Milliseconds of silence still to go before a time-out is due: between 0 and the
    // time-out (never negative, never more, whatever the clock does).
    int remaining() const;
    bool due() const { return remaining() == 0; }
    int timeout() const { return timeoutMs; }

private:
    using Clock = std::chrono::steady_clock;
    int timeoutMs;
    Clock::time_point start;
};

} // namespace Ml
