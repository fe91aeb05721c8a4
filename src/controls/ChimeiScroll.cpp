#include "controls/ChimeiScroll.h"

#include <algorithm>
#include <cmath>

namespace controls {

void ChimeiScroll::start(int64_t nowMs)
{
    m_running = true;
    m_track = {StageWidth, nowMs};
    m_nextMoveMs = nowMs;
}

bool ChimeiScroll::advance(int64_t nowMs, const Step &params, int &left)
{
    if (!m_running)
        return false;
    // Coming back more than a frame after the strip was due to move means the thread was held
    // up: the steps of that time are put off rather than made all at once.
    if (nowMs - MaxCatchUpMs > m_nextMoveMs)
        m_track.dueMs = std::max(m_track.dueMs, nowMs - MaxCatchUpMs);
    const int before = left;
    // A step normally costs a millisecond; a re-entry costs the pause, which may be 0. The bound
    // keeps a call finite whatever the settings.
    for (int64_t steps = 0; m_track.dueMs <= nowMs && steps < 4 * MaxCatchUpMs + LookAheadMs; ++steps)
        step(m_track, params, left);
    m_nextMoveMs = findNextMove(params, left);
    return left != before;
}

int64_t ChimeiScroll::findNextMove(const Step &params, int left) const
{
    Track ahead = m_track;
    const int64_t horizon = ahead.dueMs + LookAheadMs;
    while (ahead.dueMs < horizon) {
        const int64_t due = ahead.dueMs;
        int moved = left;
        step(ahead, params, moved);
        if (moved != left)
            return due;
    }
    return horizon;
}

void ChimeiScroll::step(Track &track, const Step &params, int &left)
{
    track.position -= params.speed / 200; // integer quotient, truncated toward zero
    left = pixelOf(track.position);
    if (left <= -params.stripWidth) {
        // The whole strip has left the stage: wait beyond the right edge, then come in again.
        left = StageWidth;
        track.position = StageWidth;
        track.dueMs += std::max<int32_t>(params.startWait, 0);
    } else {
        track.dueMs += 1;
    }
    track.position -= params.speed / 200.0;
}

int ChimeiScroll::pixelOf(double position)
{
    // A negative Speed moves the strip right for ever; keep the edge a representable pixel.
    constexpr double Limit = 1.0e9;
    return static_cast<int>(std::floor(std::clamp(position, -Limit, Limit) + 0.5));
}

} // namespace controls
