#pragma once

#include "audio/AudioDevice.h"
#include "audio/MciCommand.h"
#include "audio/MidiRenderer.h"
#include "audio/Mixer.h"
#include "audio/SoundLoader.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>

namespace audio {

// The media-control command strings of the original platform, played through one mixer.
// Devices are kept by alias (without regard to case): wave files are decoded and MIDI files
// rendered in the background as they play, so an open returns once the file is known to be one
// it can play, whatever its length. Every command answers with a result code,
// which callers are free to ignore: unknown commands, unknown aliases and unreadable files only
// produce an error code and no sound.
class MediaControl
{
public:
    enum Result {
        Ok = 0,
        UnrecognizedCommand,
        UnknownAlias,
        AliasInUse,
        FileNotReadable,
        InvalidFile,
    };

    struct Options
    {
        QString soundFontPath = MidiRenderer::DefaultSoundFont;
        bool preloadSoundFont = true; // load it in the background right away
    };

    // A null device means the sound card through SDL (or SDL's silent driver when there is none).
    explicit MediaControl(std::unique_ptr<AudioDevice> device = nullptr);
    MediaControl(std::unique_ptr<AudioDevice> device, Options options);
    ~MediaControl();
    MediaControl(const MediaControl &) = delete;
    MediaControl &operator=(const MediaControl &) = delete;

    // Carries out one command string. Commands ending in "wait" return when done: an open once
    // the file is loaded, a play once the sound has been played to its end (or was stopped or
    // closed from elsewhere).
    int sendString(const QString &command);

    // The most recent commands received, oldest first, whether they worked or not.
    QStringList commandLog() const;
    void clearCommandLog();

    bool isOpen(const QString &alias) const;
    bool isPlaying(const QString &alias) const;
    // True once the sound of `alias` is loaded to its end (a wave file decoded, a MIDI file
    // rendered).
    bool isLoaded(const QString &alias) const;
    // True once every open sound is.
    bool allLoaded() const;

    // Called on the loader's thread after each block of a wave file is decoded; for tests.
    void setWaveBlockHook(SoundLoader::BlockHook hook) { m_loader->setBlockHook(std::move(hook)); }

    // The mixer, for other sound sources (a voice stream) and for measurements.
    Mixer &mixer() { return *m_mixer; }
    MidiRenderer &midiRenderer() { return *m_midi; }

private:
    struct Device
    {
        MciCommand::DeviceType type = MciCommand::DeviceType::None;
        std::shared_ptr<PcmBuffer> sound;
        Mixer::VoiceId voice = 0;
    };

    int open(const MciCommand &cmd);
    int openWave(const QString &path, Device &device);
    int openSequencer(const QString &path, Device &device);
    int play(const MciCommand &cmd);
    int stop(const MciCommand &cmd);
    int close(const MciCommand &cmd);
    void closeDevice(const Device &device);
    void log(const QString &command);
    void waitForEnd(const Device &device);

    static constexpr qsizetype LogLimit = 256;

    std::unique_ptr<MidiRenderer> m_midi;
    std::unique_ptr<SoundLoader> m_loader;
    std::unique_ptr<Mixer> m_mixer;

    mutable std::mutex m_mutex;
    QHash<QString, Device> m_devices; // by lower-case alias
    QStringList m_log;
};

} // namespace audio
