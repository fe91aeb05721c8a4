#pragma once

#include "../support/FakeServices.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The whole program started as the executable starts it, with the outside world faked.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        services.clock = &clock;
        services.sleeper = &sleeper;
        services.messages = &messages;
        services.quit = [this] { ++quitCalls; };
        // The settings file of each test lives in a folder of its own.
        services.programPath = settingsDir.filePath(QStringLiteral("731"));
        services.settingsFallbackFolder = settingsDir.filePath(QStringLiteral("config"));
        prepareSettings();
        services.closeSounds = [this] { ++soundClosings; };
        services.createSpeech = speechFactory;
        services.playSound = [this](const QString &path, const QString &tag, bool wait, int pauseMs) {
            played.push_back({path, tag, wait, pauseMs});
        };
        forms = std::make_unique<app::Forms>(services);
        forms->start();
    }

    // Closes the program with a confirmed close, which writes the settings file, and starts it
    // again with the same outside world.
    void restart()
    {
        messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
        ASSERT_TRUE(console().close());
        forms.reset();
        forms = std::make_unique<app::Forms>(services);
        forms->start();
    }

    void TearDown() override { forms.reset(); }

    // Runs before the program starts: a test may put a settings file in place here.
    virtual void prepareSettings() {}
    QString settingsFile() const { return settingsDir.filePath(QStringLiteral("731.in4")); }

    app::Form1 &panel() { return forms->panel(); }
    app::frmCtl &console() { return forms->console(); }

    QTemporaryDir settingsDir;
    app::AppServices services;
    FakeClock clock;
    CountingSleeper sleeper;
    ScriptedMessages messages;
    int quitCalls = 0;
    int soundClosings = 0;
    // Set before SetUp to give the program a voice; none by default.
    std::function<std::unique_ptr<speech::TextToSpeech>()> speechFactory;
    struct Played
    {
        QString path;
        QString tag;
        bool wait;
        int pauseMs;
    };
    std::vector<Played> played;
    std::unique_ptr<app::Forms> forms;
};
