#pragma once

#include <QString>

namespace speech {

// How the voice sounds. The ranges are those of espeak-ng.
struct VoiceSettings
{
    static constexpr int MinRate = 80, MaxRate = 450, DefaultRate = 160; // words per minute
    static constexpr int MinPitch = 0, MaxPitch = 99, DefaultPitch = 50;
    static constexpr int MinVolume = 0, MaxVolume = 200, DefaultVolume = 100; // percent

    QString voice; // a VoiceChoice::id; empty means the first Japanese voice
    int rate = DefaultRate;
    int pitch = DefaultPitch;
    int volume = DefaultVolume;

    bool operator==(const VoiceSettings &) const = default;
};

// A voice the user can pick: `id` is what the synthesiser is given, `name` what the user sees.
struct VoiceChoice
{
    QString id;
    QString name;

    bool operator==(const VoiceChoice &) const = default;
};

} // namespace speech
