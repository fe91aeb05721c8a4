#pragma once

// Stand-ins for the program's outside world: a clock tests set, a sleeper that only counts, and
// a message presenter that records every box and answers from a script.

#include "base/Clock.h"
#include "ui/MessagePresenter.h"

#include <QDateTime>
#include <QStringList>
#include <deque>

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
    }
    int calls = 0;
    long long total = 0;
};

class ScriptedMessages final : public ui::MessagePresenter
{
public:
    struct Shown
    {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };

    Answer show(QWidget *, const QString &text, const QString &title, Buttons buttons, Icon icon) override
    {
        shown.push_back({text, title, buttons, icon});
        if (!answers.empty()) {
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

    std::deque<Answer> answers;
    std::vector<Shown> shown;
};
