#pragma once

#include <QDateTime>
#include <cstdint>

namespace base {

// Where the program reads the time of day and measures elapsed time. Passed in, so that tests
// can set the date and step time without waiting.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Monotonic milliseconds, for measuring how much time has passed.
    virtual int64_t elapsedMs() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    int64_t elapsedMs() const override;
};

// Blocks the calling thread, as the unit's waits do: input arriving meanwhile is queued.
class Sleeper
{
public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(int ms) = 0;
};

class ThreadSleeper final : public Sleeper
{
public:
    void sleepMs(int ms) override;
};

// For drawing the panel headless: waits pass at once.
class NoWaitSleeper final : public Sleeper
{
public:
    void sleepMs(int) override {}
};

} // namespace base
