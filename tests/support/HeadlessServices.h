#pragma once

#include "FakeServices.h"
#include "app/AppServices.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

namespace speech {
class TextToSpeech;
}

// The program's outside world for running it headless in tests and benchmarks: a clock the
// test sets, a sleeper that only counts, message boxes written down and answered from a script,
// sounds written down instead of played, a settings folder of its own, and a voice when the test
// gives one. With `log` set, sounds and waits are written into it too, in order with whatever
// else the test logs there.
class HeadlessServices
{
public:
    struct Played
    {
        QString path;
        QString tag;
        bool wait;
        int pauseMs;
    };

    // The services as they stand now: a voice or log given after construction is included.
    app::AppServices appServices();
    // The settings file of a program started with these services.
    QString settingsFile() const { return settingsDir.filePath(QStringLiteral("731.in4")); }

    QTemporaryDir settingsDir;
    FakeClock clock;
    CountingSleeper sleeper;
    ScriptedMessages messages;
    int quitCalls = 0;
    int soundClosings = 0;
    std::vector<Played> played;
    // Set before the program starts to give it a voice; none by default.
    std::function<std::unique_ptr<speech::TextToSpeech>()> speechFactory;
    QStringList *log = nullptr;
};
