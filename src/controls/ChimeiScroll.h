#pragma once

#include <cstdint>

namespace controls {

// The scroll of a long stop name, one step per millisecond of the clock. Each step moves the
// strip left by the integer part of Speed / 200 and then by Speed / 200 exactly; once the whole
// strip has left the stage it waits just beyond the right edge for ScrollStartWait milliseconds
// and comes in again.
//
// The owner calls advance() once per display frame with the clock's time; the steps that fell
// due since the last call are made then. After a long gap (the thread was blocked) only a
// frame's worth of steps is made, so the name does not jump.
class ChimeiScroll
{
public:
    static constexpr int StageWidth = 432;
    static constexpr int64_t MaxCatchUpMs = 32;

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

    double position() const { return m_position; }

private:
    void step(const Step &params, int &left);
    static int pixelOf(double position);

    bool m_running = false;
    double m_position = StageWidth;
    int64_t m_dueMs = 0;
};

} // namespace controls
