#include "app/ConsoleTapeHost.h"

#include "app/Forms.h"
#include "app/ModuleCalls.h"
#include "app/frmCtl.h"
#include "reslib/KBP4Res.h"
#include "settings/Options.h"

#include <QGroupBox>
#include <QPushButton>

namespace app {

void ConsoleTapeHost::setTapeGroupEnabled(bool enabled)
{
    m_forms.console().grpM_Tape->setEnabled(enabled);
}

void ConsoleTapeHost::setTapeGroupCaption(const QString &caption)
{
    m_forms.console().grpM_Tape->setTitle(caption);
}

void ConsoleTapeHost::setTapeButtonEnabled(TapeButton button, bool enabled)
{
    frmCtl &console = m_forms.console();
    switch (button) {
    case TapeButton::Next:
        console.cmdTapeNext->setEnabled(enabled);
        break;
    case TapeButton::Back:
        console.cmdTapeBack->setEnabled(enabled);
        break;
    case TapeButton::Stop:
        console.cmdTapeStop->setEnabled(enabled);
        break;
    case TapeButton::Set:
        console.cmdTapeSet->setEnabled(enabled);
        break;
    }
}

void ConsoleTapeHost::playSoundFile(const QString &path, const QString &tag, bool wait)
{
    app::playSoundFile(m_forms, path, tag, wait, 0);
}

QString ConsoleTapeHost::soundFile(settings::SoundSlot slot) const
{
    return m_forms.options().soundFile(slot);
}

bool ConsoleTapeHost::preSoundAlways() const
{
    return m_forms.options().preSoundAlways();
}

bool ConsoleTapeHost::preSoundWaits() const
{
    return m_forms.options().preSoundWaits();
}

QString ConsoleTapeHost::osName() const
{
    return reslib::GetOsInfo();
}

} // namespace app
