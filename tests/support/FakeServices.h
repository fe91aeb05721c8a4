#pragma once

// Stand-ins for the program's outside world: a clock tests set and a sleeper that only counts
// (and writes its waits into a test's log when given one). Message boxes are written down by
// ui::RecordingMessagePresenter, the scroll clock is controls::ManualScrollClock.

#include "base/Clock.h"
#include "ui/RecordingMessagePresenter.h"

#include <QDateTime>
#include <QStringList>

class FakeClock final : public base::Clock
{
public:
    QDateTime now() const override { return m_now; }
    int64_t elapsedMs() const override { return m_elapsed; }
    void set(const QDateTime &now) { m_now = now; }
    void advance(int64_t ms)
    {
        m_elapsed += ms;
        m_now = m_now.addMSecs(ms);
    }

private:
    QDateTime m_now{QDate(2026, 12, 7), QTime(9, 30, 0)};
    int64_t m_elapsed = 0;
};

class CountingSleeper final : public base::Sleeper
{
public:
    void sleepMs(int ms) override
    {
        ++calls;
        total += ms;
        if (log)
            *log << QStringLiteral("sleep %1").arg(ms);
    }
    int calls = 0;
    long long total = 0;
    QStringList *log = nullptr;
};

// The message-box fake of the tests.
using ScriptedMessages = ui::RecordingMessagePresenter;
