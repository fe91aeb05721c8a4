#pragma once

#include "speech/VoiceSettings.h"

#include <QString>

#include <optional>

namespace speech {

// The voice chosen in "音声の調節", kept from one run to the next in a small text file of its
// own in the user's configuration folder; the settings file of the original has no room for it.
//
//   voice=jpx/ja+f2
//   rate=200
//   pitch=70
//   volume=150
//
// Unknown lines are passed over and numbers outside their range are brought into it, so a
// damaged file gives usable settings or none, never a failure.
class VoiceSettingsFile
{
public:
    // "voice.conf" in the program's folder of the user's configuration (~/.config/harune/).
    static QString defaultPath();

    // None when the file is missing, unreadable or larger than MaxFileBytes.
    static std::optional<VoiceSettings> load(const QString &path);

    // Replaces the file whole (written aside, then renamed over it); false when it could not
    // be, in which case the file is as it was.
    static bool save(const QString &path, const VoiceSettings &settings);

    static constexpr qint64 MaxFileBytes = 4096;
    // A voice name is an espeak-ng voice file name; longer ones are not taken.
    static constexpr int MaxVoiceLength = 64;
};

} // namespace speech
