#pragma once

#include <cstdint>

namespace controls {

// Milliseconds from an arbitrary start that never go backwards. The scroll of the stop-name
// display runs on it; tests hand in a clock they step themselves.
class ScrollClock
{
public:
    virtual ~ScrollClock() = default;
    virtual int64_t nowMs() const = 0;

    // The process-wide monotonic clock, used when no other clock is handed in.
    static ScrollClock &monotonic();
};

} // namespace controls
