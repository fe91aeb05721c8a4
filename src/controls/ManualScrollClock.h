#pragma once

#include "controls/ScrollClock.h"

namespace controls {

// A scroll clock that moves only when told: the stop-name display drawn headless frame by
// frame (731-tool render), and tests.
class ManualScrollClock final : public ScrollClock
{
public:
    explicit ManualScrollClock(int64_t startMs = 0) : now(startMs) {}
    int64_t nowMs() const override { return now; }
    void advance(int64_t ms) { now += ms; }

    int64_t now;
};

} // namespace controls
