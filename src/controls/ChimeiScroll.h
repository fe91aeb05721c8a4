#pragma once

#include <cstdint>

namespace controls {

// The scroll of a long stop name, one step per millisecond of the clock. Each step moves the
// strip left by the integer part of Speed / 200 and then by Speed / 200 exactly; once the whole
// strip has left the stage it waits just beyond the right edge for ScrollStartWait milliseconds
// and comes in again.
//
// The owner calls advance() with the clock's time whenever it draws; the steps that fell due
// since the last call are made then. Most steps move the strip by less than a pixel, so the
// owner need not come back before nextMoveMs(), when the drawn left edge next changes. When it
// comes back much later than that (the thread was blocked), only a frame's worth of steps is
// made, so the name does not jump.
class ChimeiScroll
{
public:
    static constexpr int StageWidth = 432;
    static constexpr int64_t MaxCatchUpMs = 32;
    // How far ahead nextMoveMs() looks for a move; a strip that does not move (Speed 0) is
    // looked at again after this long.
    static constexpr int64_t LookAheadMs = 1000;

    struct Step
    {
        int16_t speed;
        int32_t startWait;
        int stripWidth;
    };

    // Starts at the stage's right edge; the first step falls due at once.
    void start(int64_t nowMs);
    void stop() { m_running = false; }
    bool isRunning() const { return m_running; }

    // Makes the steps due by `nowMs`. `left` is the strip's left edge, moved by the steps.
    // Returns true when it changed.
    bool advance(int64_t nowMs, const Step &params, int &left);

    // The clock time of the next step that changes the drawn left edge, as of the last
    // advance() (or of replan() after the parameters changed); at most LookAheadMs after the
    // next step when no step within that time moves the strip.
    int64_t nextMoveMs() const { return m_nextMoveMs; }
    void replan(const Step &params, int left) { m_nextMoveMs = findNextMove(params, left); }

    double position() const { return m_track.position; }

private:
    struct Track
    {
        double position;
        int64_t dueMs;
    };

    int64_t findNextMove(const Step &params, int left) const;
    static void step(Track &track, const Step &params, int &left);
    static int pixelOf(double position);

    bool m_running = false;
    Track m_track{StageWidth, 0}; // the exact position, and when the next step falls due
    int64_t m_nextMoveMs = 0;
};

} // namespace controls
