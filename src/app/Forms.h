#pragma once

#include "app/AppServices.h"
#include "app/ConsoleController.h"
#include "fare/RouteState.h"
#include "settings/IniSession.h"
#include "settings/Options.h"
#include "settings/PanelHost.h"

#include <memory>

namespace settings {
class frmOption;
}

namespace app {

class Form1;
class frmCtl;

// The program's three windows, each a single instance that lives from its first use until the
// program ends. A window is created the first time it is touched, and its load handler runs
// right then, in the middle of the touching step.
class Forms final : public settings::PanelHost
{
public:
    explicit Forms(AppServices services);
    ~Forms() override;
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    // Creates the panel, runs its load (the program's start-up) and shows it.
    void start();

    Form1 &panel();
    frmCtl &console();
    settings::frmOption &optionsWindow();
    bool consoleLoaded() const { return m_console != nullptr; }
    bool optionsWindowLoaded() const { return m_optionsWindow != nullptr; }

    // The options, for the whole run: the options window shows them, everything else reads them.
    settings::Options &options() { return m_options; }

    const AppServices &services() const { return m_services; }
    // The console's state and actions, for the whole run; the console window is its view.
    ConsoleController &controller() { return *m_controller; }
    // The loaded route: fare table and route state.
    fare::RouteState &route() { return m_controller->route(); }
    // The announcement tape.
    sound::mdlM_Tape &tape() { return m_controller->tape(); }
    // What the run knows about its settings file between reading and writing it.
    settings::IniSession &settingsSession() { return m_settingsSession; }

    // What the options window pushes into.
    QLabel *lblSeiriNum(int index) override;
    controls::M_Degit *Degit(int index) override;
    controls::M_Degit *TimeDegit(int index) override;
    controls::ChimeiCtl_DX *ChimeiCtl() override;
    bool backlightSelected(int index) override;
    void Option4_Click(int16_t &index) override;
    void SeirikenNumSet(int16_t &style, int16_t &zeroFill) override;
    QComboBox *companyList() override;
    QLabel *ticketPreview() override;
    ui::MessagePresenter &messages() override;

private:
    AppServices m_services;
    settings::Options m_options;
    settings::IniSession m_settingsSession;
    std::unique_ptr<ConsoleController> m_controller;
    std::unique_ptr<Form1> m_panel;
    std::unique_ptr<frmCtl> m_console;
    std::unique_ptr<settings::frmOption> m_optionsWindow;
};

} // namespace app
