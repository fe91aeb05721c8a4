#pragma once

#include "base/PcmSink.h"
#include "speech/LeadingSilenceTrim.h"
#include "speech/ReadingCorrections.h"
#include "speech/SpeechReader.h"
#include "speech/TextToSpeech.h"
#include "speech/VoiceSettings.h"
#include "speech/VoiceSettingsFile.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace speech {

// The program's text-to-speech component: Japanese text is read by SpeechReader (MeCab) and
// voiced by espeak-ng on a worker thread of the component's own; the samples stream into a
// PcmSink as they are made, without the silence each utterance opens with. speak() only queues,
// so the user-interface thread never waits for the voice; stop() cuts the voice off between two
// blocks of samples and flushes the sink. The worker prepares the voice (dictionary, voice
// data, the saved settings) as soon as the component is created, so the first announcement
// starts as quickly as the later ones.
//
// The voice settings are kept from one run to the next in the user's configuration folder
// (VoiceSettingsFile). Readings are corrected by the built-in table, the user's own file and,
// while a route is loaded, the readings file beside its broadcast data, which has the last word.
class SpeechVoice final : public TextToSpeech
{
public:
    // Shows the settings dialog; supplied by the window layer (platform_ui), which this core
    // library cannot reach.
    using SettingsDialog = std::function<void(QWidget *owner, const QString &title, SpeechVoice &voice)>;

    struct Options
    {
        QString dictionaryDir = QString::fromLatin1(SpeechReader::DefaultDictionary);
        QString espeakDataDir; // empty: espeak-ng's own
        // The user's corrections of readings; a missing file is no error.
        QString userReadingsFile = ReadingCorrections::defaultUserFile();
        // Where the voice settings are kept; empty keeps them for the run only.
        QString settingsFile = VoiceSettingsFile::defaultPath();
        SettingsDialog settingsDialog;
        // For tests: every block of samples as the voice made it, before its leading silence
        // is dropped; called on the worker thread.
        std::function<void(const int16_t *samples, int count)> untrimmedSamples;
    };

    // Null when the dictionary or the Japanese voice data cannot be loaded. The sink must
    // outlive the component, whose destructor stops and flushes it.
    static std::unique_ptr<SpeechVoice> create(base::PcmSink &sink, Options options);
    static std::unique_ptr<SpeechVoice> create(base::PcmSink &sink);
    ~SpeechVoice() override;
    SpeechVoice(const SpeechVoice &) = delete;
    SpeechVoice &operator=(const SpeechVoice &) = delete;

    // The four operations of the component.
    void stop() override;
    void speak(const QString &text) override;
    int32_t state() const override;
    void showSettings(QWidget *owner, const QString &title) override;
    void setRouteReadings(const QString &file) override;

    // Speaks with other settings than the current ones, as the settings dialog's trial does.
    void speakWith(const QString &text, const VoiceSettings &settings);

    // The Japanese voices espeak-ng offers; the first is the default.
    const std::vector<VoiceChoice> &voices() const { return m_voices; }
    VoiceSettings settings() const;
    // Takes the settings for this run and keeps them for the next; false when they could not
    // be written (they still hold until the program ends).
    bool setSettings(const VoiceSettings &settings);
    int sampleRate() const { return m_sampleRate; }
    // The corrections the next utterance is read with.
    SpeechReader::SharedCorrections corrections() const;

private:
    struct Job
    {
        QString text;
        VoiceSettings settings;
        uint64_t generation = 0;
        SpeechReader::SharedCorrections corrections;
    };

    SpeechVoice(base::PcmSink &sink, Options options);
    bool start();
    void restoreSettings();
    void run(std::unique_ptr<SpeechReader> reader);
    void prepare(SpeechReader &reader);
    void voice(SpeechReader &reader, const Job &job);
    void pushHeldSilence(const Job &job, int rate);

    base::PcmSink &m_sink;
    const Options m_options;
    std::vector<VoiceChoice> m_voices;
    int m_sampleRate = 0;

    mutable std::mutex m_queueMutex;
    std::condition_variable m_wake;
    std::deque<Job> m_queue;
    bool m_busy = false;
    bool m_quit = false;
    VoiceSettings m_settings;
    ReadingCorrections m_baseCorrections; // built-in and the user's file
    SpeechReader::SharedCorrections m_corrections;

    // Held across each push, so that after stop() returns no sample of a cut utterance arrives.
    std::mutex m_pushMutex;
    std::atomic<uint64_t> m_generation{0};
    std::atomic<bool> m_failed{false};
    LeadingSilenceTrim m_trim; // worker thread only

    std::thread m_worker;
};

} // namespace speech
