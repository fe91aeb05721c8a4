#include "controls/ChimeiScroll.h"

#include <algorithm>
#include <cmath>

namespace controls {

void ChimeiScroll::start(int64_t nowMs)
{
    m_running = true;
    m_position = StageWidth;
    m_dueMs = nowMs;
}

bool ChimeiScroll::advance(int64_t nowMs, const Step &params, int &left)
{
    if (!m_running)
        return false;
    m_dueMs = std::max(m_dueMs, nowMs - MaxCatchUpMs);
    const int before = left;
    // A step normally costs a millisecond; a re-entry costs the pause, which may be 0. The bound
    // keeps a frame finite whatever the settings.
    for (int steps = 0; m_dueMs <= nowMs && steps < 4 * MaxCatchUpMs; ++steps)
        step(params, left);
    return left != before;
}

void ChimeiScroll::step(const Step &params, int &left)
{
    m_position -= params.speed / 200; // integer quotient, truncated toward zero
    left = pixelOf(m_position);
    if (left <= -params.stripWidth) {
        // The whole strip has left the stage: wait beyond the right edge, then come in again.
        left = StageWidth;
        m_position = StageWidth;
        m_dueMs += std::max<int32_t>(params.startWait, 0);
    } else {
        m_dueMs += 1;
    }
    m_position -= params.speed / 200.0;
}

int ChimeiScroll::pixelOf(double position)
{
    // A negative Speed moves the strip right for ever; keep the edge a representable pixel.
    constexpr double Limit = 1.0e9;
    return static_cast<int>(std::floor(std::clamp(position, -Limit, Limit) + 0.5));
}

} // namespace controls
