#pragma once

#include "settings/Options.h"

#include <QString>

namespace sound {

// What the announcement tape needs from the console it sits on. The tape knows no windows:
// the console answers for its group box and buttons, plays sounds through PlaySoundFile and
// reads the options from the options model at the moment they are asked for.
class TapeHost
{
public:
    // The four buttons of the group box grpM_Tape.
    enum class TapeButton { Next, Back, Stop, Set }; // cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet

    virtual ~TapeHost() = default;

    virtual void setTapeGroupEnabled(bool enabled) = 0;
    virtual void setTapeGroupCaption(const QString &caption) = 0;
    virtual void setTapeButtonEnabled(TapeButton button, bool enabled) = 0;

    // PlaySoundFile(path, tag, wait, 0): returns once the sound has ended when `wait` is set.
    virtual void playSoundFile(const QString &path, const QString &tag, bool wait) = 0;

    // The file of a sound slot of the options; the tape asks for the sounds before an
    // announcement.
    virtual QString soundFile(settings::SoundSlot slot) const = 0;
    // Option2(2) "常に右記のサウンドを鳴らす" of the pre-broadcast sound is selected.
    virtual bool preSoundAlways() const = 0;
    // Option7(0) "同期再生(サウンドが完全に再生された後で放送開始)" is selected.
    virtual bool preSoundWaits() const = 0;

    // The OS name from the resource library (reslib::GetOsInfo).
    virtual QString osName() const = 0;
};

} // namespace sound
