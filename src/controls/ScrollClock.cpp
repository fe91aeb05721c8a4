#include "controls/ScrollClock.h"

#include <chrono>

namespace controls {
namespace {

class MonotonicClock final : public ScrollClock
{
public:
    int64_t nowMs() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

} // namespace

ScrollClock &ScrollClock::monotonic()
{
    static MonotonicClock clock;
    return clock;
}

} // namespace controls
