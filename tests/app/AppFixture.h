#pragma once

#include "../support/FakeServices.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"

#include <gtest/gtest.h>
#include <memory>

// The whole program started as the executable starts it, with the outside world faked.
class AppFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        app::AppServices services;
        services.clock = &clock;
        services.sleeper = &sleeper;
        services.messages = &messages;
        services.quit = [this] { ++quitCalls; };
        services.playSound = [this](const QString &path, const QString &tag, bool wait, int pauseMs) {
            played.push_back({path, tag, wait, pauseMs});
        };
        forms = std::make_unique<app::Forms>(services);
        forms->start();
    }

    void TearDown() override { forms.reset(); }

    app::Form1 &panel() { return forms->panel(); }
    app::frmCtl &console() { return forms->console(); }

    FakeClock clock;
    CountingSleeper sleeper;
    ScriptedMessages messages;
    int quitCalls = 0;
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
