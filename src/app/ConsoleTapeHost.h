#pragma once

#include "sound/TapeHost.h"

namespace app {

class ConsoleController;

// The console as the announcement tape sees it: the tape group and its buttons, whose enabling
// the console controller keeps; the sound channels; the pre-broadcast options.
class ConsoleTapeHost final : public sound::TapeHost
{
public:
    explicit ConsoleTapeHost(ConsoleController &console) : m_console(console) {}

    void setTapeGroupEnabled(bool enabled) override;
    void setTapeGroupCaption(const QString &caption) override;
    void setTapeButtonEnabled(TapeButton button, bool enabled) override;
    void playSoundFile(const QString &path, const QString &tag, bool wait) override;
    QString soundFile(settings::SoundSlot slot) const override;
    bool preSoundAlways() const override;
    bool preSoundWaits() const override;
    QString osName() const override;

private:
    ConsoleController &m_console;
};

} // namespace app
