#pragma once

#include "speech/VoiceSettings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace speech {

// The process's one instance of the espeak-ng library. The library keeps global state and is
// not reentrant, so every use goes through here, one at a time; each speech component calls it
// from its own worker thread only.
class EspeakEngine
{
public:
    // Loads the voice data from `dataDir` (empty: espeak-ng's own folder) unless that data is
    // loaded already, and checks that the Japanese voice is there and reads kana. The data's
    // files are looked at before the library is, since espeak-ng crashes on a folder without
    // them. On success fills the Japanese voices and the sample rate.
    static bool open(const QString &dataDir, std::vector<VoiceChoice> *voices, int *sampleRate);

    // Gets a block of mono samples; returns false to cut the utterance off.
    using SampleHandler = std::function<bool(const int16_t *samples, int count)>;

    enum class Outcome { Spoken, Cut, Failed };

    // Voices `utf8Text` with `settings`, handing the samples over as they are made. Returns
    // when the text is done or the handler refused a block.
    static Outcome synthesize(const QString &dataDir, const VoiceSettings &settings,
                              const QByteArray &utf8Text, const SampleHandler &handler);

    // The phonemes espeak-ng makes of `utf8Text` with the Japanese voice (its ASCII phoneme
    // names, clauses separated by spaces); empty when the voice cannot be loaded.
    static QString phonemes(const QString &dataDir, const QByteArray &utf8Text);
};

} // namespace speech
