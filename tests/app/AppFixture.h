#pragma once

#include "HeadlessServices.h"
#include "app/ConsoleDriver.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"

#include <gtest/gtest.h>
#include <memory>

// The whole program started as the executable starts it, with the outside world faked.
class AppFixture : public ::testing::Test, protected HeadlessServices
{
protected:
    void SetUp() override
    {
        services = appServices();
        prepareSettings();
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

    app::Form1 &panel() { return forms->panel(); }
    app::frmCtl &console() { return forms->console(); }
    app::ConsoleController &controller() { return forms->controller(); }
    // The console worked as an operator works it.
    app::ConsoleDriver driver() { return app::ConsoleDriver(forms->controller()); }

    app::AppServices services;
    std::unique_ptr<app::Forms> forms;
};
