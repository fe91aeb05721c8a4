#pragma once

#include "audio/PcmBuffer.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include <fluidsynth/types.h>

namespace audio {

// Standard MIDI files rendered to the mix format by FluidSynth with a General MIDI soundfont.
// Rendering runs on a worker thread, much faster than real time, into a growing PcmBuffer, so a
// sound starts playing while its end is still being rendered. The soundfont is loaded once, by
// the worker, and one synthesizer renders the files one after another.
class MidiRenderer
{
public:
    static inline const QString DefaultSoundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");

    explicit MidiRenderer(QString soundFontPath = DefaultSoundFont);
    ~MidiRenderer();
    MidiRenderer(const MidiRenderer &) = delete;
    MidiRenderer &operator=(const MidiRenderer &) = delete;

    // Starts loading the soundfont now rather than with the first file.
    void preload();

    // Blocks until the soundfont has been loaded; false when it cannot be. By then every sound
    // started without a soundfont has ended.
    bool waitUntilReady();

    // Queues `file` for rendering and returns the sound it will fill; null when the bytes are
    // not a standard MIDI file. A file the synthesizer cannot read ends up as an empty sound,
    // and once the soundfont is known to be missing every file is one, ended when returned.
    std::shared_ptr<PcmBuffer> start(const QByteArray &file);

    // Stops rendering `sound` (queued or under way); it ends where it got to.
    void cancel(const std::shared_ptr<PcmBuffer> &sound);

    // The track data of a standard MIDI file, also when wrapped in a RIFF "RMID" file; empty
    // when the bytes are neither, or not a file the synthesizer can be trusted with
    // (StandardMidiFile).
    static QByteArray standardMidiData(const QByteArray &file);

private:
    struct Job
    {
        QByteArray midi;
        std::shared_ptr<PcmBuffer> sound;
    };
    enum class FontState { NotLoaded, Ready, Failed };

    void run();
    void ensureWorker();
    void loadSoundFont();
    void render(const Job &job);

    QString m_soundFontPath;
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr; // worker thread only

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_queue;
    std::shared_ptr<PcmBuffer> m_current;
    std::atomic<bool> m_cancelCurrent{false};
    FontState m_fontState = FontState::NotLoaded;
    bool m_loadRequested = false;
    bool m_quit = false;
    std::thread m_worker;
};

} // namespace audio
