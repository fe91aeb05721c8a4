#pragma once

#include "sound/BroadcastData.h"
#include "sound/TapeHost.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace speech {
class TextToSpeech;
} // namespace speech

namespace sound {

// The announcement tape: the route's broadcast data, one announcement per stop, played one
// after another with "送り" and "戻し" and voiced by the speech component, each optionally
// preceded by a sound. Its failures are silent: a route without usable broadcast data leaves
// the tape group disabled, and a call while there is no speech component does nothing.
//
// The console's button handlers call TapeNext / TapeBack and then take the fare step when
// EntryStepFlag(GetTapePos()) is 1; "■" calls StopAnnouncement, "調整" ShowVoiceSettings.
class mdlM_Tape
{
public:
    // Creates the speech component; null when it cannot be created.
    using SpeechFactory = std::function<std::unique_ptr<speech::TextToSpeech>()>;

    static QString captionUsable() { return QStringLiteral("音合使用可"); }
    static QString captionUnusable() { return QStringLiteral("音合使用不可"); }
    static QString voiceSettingsTitle() { return QStringLiteral("音声の調節"); }
    // The OS on which the tape is never usable.
    static QString unusableOs() { return QStringLiteral("Windows Vista"); }

    mdlM_Tape(TapeHost &host, SpeechFactory createSpeech);
    ~mdlM_Tape();

    // Decides whether speech is usable; the last step of the console's load.
    void InitSpeech();
    // Drops the speech component; at shutdown.
    void ReleaseSpeech();

    // Loads <folder>/<route>tp.csv and puts the tape before its first entry.
    void LoadBroadcastData(const QString &folder, const QString &routeText);

    void TapeNext();
    void TapeBack();
    void AnnounceEntry(int32_t index);
    void StopAnnouncement();
    void ShowVoiceSettings(QWidget *owner, const QString &title = voiceSettingsTitle());

    int32_t GetTapePos() const { return TapePos; }
    int32_t GetTapeCount() const { return TapeCount; }
    // The entry's flag, or 0 when index is outside 1 to TapeCount.
    int16_t EntryStepFlag(int32_t index) const;
    int16_t EntrySoundFlag(int32_t index) const;

    bool SpeechUsable() const { return m_speechUsable; }
    // The entry at `index` (1-based), or null outside 1 to TapeCount.
    const TapeEntry *Entry(int32_t index) const;

private:
    bool onUnusableOs() const;
    // The sound chosen by flag 1, 2 or 3; none for any other flag.
    static std::optional<settings::SoundSlot> slotForFlag(int16_t soundFlag);
    void playPreBroadcastSound(std::optional<settings::SoundSlot> slot, const QString &tag);
    void disableTape();

    TapeHost &m_host;
    SpeechFactory m_createSpeech;
    std::unique_ptr<speech::TextToSpeech> m_speech;
    bool m_speechUsable = false;

    std::vector<TapeEntry> TapeEntries; // entry i at TapeEntries[i - 1]
    int32_t TapeCount = 0;
    int32_t TapePos = 0;
};

} // namespace sound
