#include "app/Forms.h"

#include "app/Form1.h"
#include "app/frmCtl.h"
#include "app/mdl731_000.h"
#include "base/Clock.h"
#include "reslib/KBP4Res.h"
#include "settings/frmOption.h"

namespace app {

namespace {

QDate today(const AppServices &services)
{
    return services.clock ? services.clock->now().date() : QDate::currentDate();
}

AppServices withOsName(AppServices services)
{
    if (!services.osName)
        services.osName = [] { return reslib::GetOsInfo(); };
    return services;
}

} // namespace

Forms::Forms(AppServices services)
    : m_services(withOsName(std::move(services))), m_options(today(m_services)),
      m_controller(std::make_unique<ConsoleController>(
          m_services, m_options,
          ConsoleController::Views{[this]() -> PanelView & { return panel(); },
                                   [this]() -> ConsoleView & { return console(); }}))
{
}

Forms::~Forms()
{
    // Plug-in calls after this are no longer this run's to mark.
    reslib::SetPluginCrashFolder(QString());
    // The tape and the route go first, as the tape went first before; the console's controls
    // tell the controller nothing while they are torn down.
    m_controller.reset();
    m_optionsWindow.reset();
    m_console.reset();
    m_panel.reset();
}

void Forms::start()
{
    Form1 &form = panel();
    form.Form_Load();
    form.restoreScale();
    form.show();
}

Form1 &Forms::panel()
{
    if (!m_panel)
        m_panel = std::make_unique<Form1>(*this);
    return *m_panel;
}

frmCtl &Forms::console()
{
    if (!m_console) {
        m_console = std::make_unique<frmCtl>(*this);
        m_console->Form_Load();
    }
    return *m_console;
}

settings::frmOption &Forms::optionsWindow()
{
    if (!m_optionsWindow)
        m_optionsWindow = std::make_unique<settings::frmOption>(m_options, *this);
    return *m_optionsWindow;
}

QLabel *Forms::lblSeiriNum(int index)
{
    return panel().lblSeiriNum[index];
}

controls::M_Degit *Forms::Degit(int index)
{
    return panel().Degit[index];
}

controls::M_Degit *Forms::TimeDegit(int index)
{
    return panel().TimeDegit[index];
}

controls::ChimeiCtl_DX *Forms::ChimeiCtl()
{
    return panel().ChimeiCtl;
}

bool Forms::backlightSelected(int index)
{
    return m_controller->backlight() == static_cast<settings::Backlight>(index);
}

void Forms::Option4_Click(int16_t &index)
{
    if (index >= 0 && index <= 2)
        m_controller->Option4_Click(static_cast<settings::Backlight>(index));
}

void Forms::SeirikenNumSet(int16_t &style, int16_t &zeroFill)
{
    mdl731_000::SeirikenNumSet(panel(), style, zeroFill);
}

QComboBox *Forms::companyList()
{
    return console().Combo1;
}

QLabel *Forms::ticketPreview()
{
    return console().picSeirikenPrev;
}

ui::MessagePresenter &Forms::messages()
{
    return *m_services.messages;
}

} // namespace app
