#include "app/ConsoleTapeHost.h"

#include "app/ConsoleController.h"
#include "app/ConsoleView.h"

namespace app {

namespace {

ConsoleControl controlOf(sound::TapeHost::TapeButton button)
{
    switch (button) {
    case sound::TapeHost::TapeButton::Next:
        return ConsoleControl::TapeNext;
    case sound::TapeHost::TapeButton::Back:
        return ConsoleControl::TapeBack;
    case sound::TapeHost::TapeButton::Stop:
        return ConsoleControl::TapeStop;
    case sound::TapeHost::TapeButton::Set:
        break;
    }
    return ConsoleControl::TapeSet;
}

} // namespace

void ConsoleTapeHost::setTapeGroupEnabled(bool enabled)
{
    m_console.enable(ConsoleControl::TapeGroup, enabled);
}

void ConsoleTapeHost::setTapeGroupCaption(const QString &caption)
{
    m_console.console().setTapeCaption(caption);
}

void ConsoleTapeHost::setTapeButtonEnabled(TapeButton button, bool enabled)
{
    m_console.enable(controlOf(button), enabled);
}

void ConsoleTapeHost::playSoundFile(const QString &path, const QString &tag, bool wait)
{
    m_console.playSound(path, tag, wait);
}

QString ConsoleTapeHost::soundFile(settings::SoundSlot slot) const
{
    return m_console.m_options.soundFile(slot);
}

bool ConsoleTapeHost::preSoundAlways() const
{
    return m_console.m_options.preSoundAlways();
}

bool ConsoleTapeHost::preSoundWaits() const
{
    return m_console.m_options.preSoundWaits();
}

QString ConsoleTapeHost::osName() const
{
    return m_console.m_services.osName ? m_console.m_services.osName() : QString();
}

} // namespace app
