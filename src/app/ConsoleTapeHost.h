#pragma once

#include "sound/TapeHost.h"

namespace app {

class Forms;

// The console as the announcement tape sees it: its tape group and buttons, the sound
// channels and the pre-broadcast options.
class ConsoleTapeHost final : public sound::TapeHost
{
public:
    explicit ConsoleTapeHost(Forms &forms) : m_forms(forms) {}

    void setTapeGroupEnabled(bool enabled) override;
    void setTapeGroupCaption(const QString &caption) override;
    void setTapeButtonEnabled(TapeButton button, bool enabled) override;
    void playSoundFile(const QString &path, const QString &tag, bool wait) override;
    QString soundFile(settings::SoundSlot slot) const override;
    bool preSoundAlways() const override;
    bool preSoundWaits() const override;
    QString osName() const override;

private:
    Forms &m_forms;
};

} // namespace app
