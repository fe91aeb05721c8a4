#include "app/Forms.h"

#include "app/ConsoleTapeHost.h"
#include "app/Form1.h"
#include "app/frmCtl.h"
#include "app/mdl731_000.h"
#include "base/Clock.h"
#include "speech/TextToSpeech.h"
#include "reslib/KBP4Res.h"
#include "settings/frmOption.h"
#include "sound/mdlM_Tape.h"

#include <QRadioButton>

namespace app {

namespace {

QDate today(const AppServices &services)
{
    return services.clock ? services.clock->now().date() : QDate::currentDate();
}

} // namespace

Forms::Forms(AppServices services) : m_services(std::move(services)), m_options(today(m_services)) {}

Forms::~Forms()
{
    // Plug-in calls after this are no longer this run's to mark.
    reslib::SetPluginCrashFolder(QString());
    m_tape.reset();
    m_optionsWindow.reset();
    m_console.reset();
    m_panel.reset();
}

void Forms::start()
{
    Form1 &form = panel();
    form.Form_Load();
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

sound::mdlM_Tape &Forms::tape()
{
    if (!m_tape) {
        m_tapeHost = std::make_unique<ConsoleTapeHost>(*this);
        m_tape = std::make_unique<sound::mdlM_Tape>(*m_tapeHost, m_services.createSpeech);
    }
    return *m_tape;
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
    return console().Option4[index]->isChecked();
}

void Forms::Option4_Click(int16_t &index)
{
    console().Option4_Click(index);
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
