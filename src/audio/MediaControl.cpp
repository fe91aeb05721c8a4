#include "audio/MediaControl.h"

#include "audio/SdlAudioDevice.h"
#include "audio/WavDecoder.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <thread>

namespace audio {

namespace {

QString key(const QString &alias)
{
    return alias.toLower();
}

QByteArray readWholeFile(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    if (!*ok)
        return {};
    // A MIDI file larger than any we could play is not read at all.
    constexpr qint64 MaxBytes = qint64(1) << 30;
    if (file.size() > MaxBytes) {
        *ok = false;
        return {};
    }
    return file.readAll();
}

} // namespace

MediaControl::MediaControl(std::unique_ptr<AudioDevice> device)
    : MediaControl(std::move(device), Options{})
{
}

MediaControl::MediaControl(std::unique_ptr<AudioDevice> device, Options options)
    : m_midi(std::make_unique<MidiRenderer>(options.soundFontPath))
    , m_loader(std::make_unique<SoundLoader>())
{
    if (!device)
        device = std::make_unique<SdlAudioDevice>();
    m_mixer = std::make_unique<Mixer>(std::move(device));
    if (options.preloadSoundFont)
        m_midi->preload();
}

MediaControl::~MediaControl()
{
    // The mixer goes first so that no device thread reads a sound the renderer or the loader
    // still writes.
    m_mixer.reset();
    m_loader.reset();
    m_midi.reset();
}

int MediaControl::sendString(const QString &command)
{
    log(command);
    const auto cmd = MciCommand::parse(command);
    if (!cmd)
        return UnrecognizedCommand;
    switch (cmd->verb) {
    case MciCommand::Verb::Open:
        return open(*cmd);
    case MciCommand::Verb::Play:
        return play(*cmd);
    case MciCommand::Verb::Stop:
        return stop(*cmd);
    case MciCommand::Verb::Close:
        return close(*cmd);
    }
    return UnrecognizedCommand;
}

int MediaControl::open(const MciCommand &cmd)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_devices.contains(key(cmd.alias)) || key(cmd.alias) == u"all")
            return AliasInUse;
    }
    Device device;
    device.type = cmd.type;
    const int result = cmd.type == MciCommand::DeviceType::WaveAudio ? openWave(cmd.target, device)
                                                                     : openSequencer(cmd.target, device);
    if (result != Ok)
        return result;
    device.voice = m_mixer->addVoice(device.sound);

    std::lock_guard lock(m_mutex);
    if (m_devices.contains(key(cmd.alias))) {
        closeDevice(device);
        return AliasInUse;
    }
    m_devices.insert(key(cmd.alias), device);
    return Ok;
}

// Only the header is read here; the samples follow in the background.
int MediaControl::openWave(const QString &path, Device &device)
{
    bool readable = false;
    std::unique_ptr<WavDecoder> decoder = WavDecoder::open(path, &readable);
    if (!readable)
        return FileNotReadable;
    if (!decoder)
        return InvalidFile;
    device.sound = m_loader->start(std::move(decoder));
    return Ok;
}

int MediaControl::openSequencer(const QString &path, Device &device)
{
    bool readable = false;
    const QByteArray bytes = readWholeFile(path, &readable);
    if (!readable)
        return FileNotReadable;
    // A sequencer is open once its synthesizer is: with the soundfont loaded, or known to be
    // missing, in which case the sound is already over and a play ends at once.
    m_midi->waitUntilReady();
    device.sound = m_midi->start(bytes);
    return device.sound ? Ok : InvalidFile;
}

int MediaControl::play(const MciCommand &cmd)
{
    Device device;
    {
        std::lock_guard lock(m_mutex);
        auto it = m_devices.constFind(key(cmd.target));
        if (it == m_devices.constEnd())
            return UnknownAlias;
        device = *it;
    }
    const std::int64_t from = cmd.fromMs ? *cmd.fromMs * AudioFormat::SampleRate / 1000 : -1;
    m_mixer->play(device.voice, from);
    if (cmd.wait)
        waitForEnd(device);
    return Ok;
}

void MediaControl::waitForEnd(const Device &device)
{
    // A device still opening in the background is waited for here; one that could not be
    // opened at all has no driver.
    if (m_mixer->isRunning() && !m_mixer->driverName().isEmpty()) {
        m_mixer->waitForEnd(device.voice);
        return;
    }
    // Without any output nothing is mixed; the wait still lasts as long as the sound would.
    while (!device.sound->isComplete())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto ms = qint64(device.sound->available()) * 1000 / AudioFormat::SampleRate;
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    m_mixer->stop(device.voice);
}

int MediaControl::stop(const MciCommand &cmd)
{
    std::lock_guard lock(m_mutex);
    auto it = m_devices.constFind(key(cmd.target));
    if (it == m_devices.constEnd())
        return UnknownAlias;
    m_mixer->stop(it->voice);
    return Ok;
}

int MediaControl::close(const MciCommand &cmd)
{
    std::lock_guard lock(m_mutex);
    if (key(cmd.target) == u"all") {
        for (const Device &device : std::as_const(m_devices))
            closeDevice(device);
        m_devices.clear();
        return Ok;
    }
    auto it = m_devices.find(key(cmd.target));
    if (it == m_devices.end())
        return UnknownAlias;
    closeDevice(*it);
    m_devices.erase(it);
    return Ok;
}

void MediaControl::closeDevice(const Device &device)
{
    m_mixer->removeVoice(device.voice);
    if (device.type == MciCommand::DeviceType::Sequencer)
        m_midi->cancel(device.sound);
    else
        m_loader->cancel(device.sound);
}

bool MediaControl::isOpen(const QString &alias) const
{
    std::lock_guard lock(m_mutex);
    return m_devices.contains(key(alias));
}

bool MediaControl::isPlaying(const QString &alias) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_devices.constFind(key(alias));
    return it != m_devices.constEnd() && m_mixer->isPlaying(it->voice);
}

bool MediaControl::isLoaded(const QString &alias) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_devices.constFind(key(alias));
    return it != m_devices.constEnd() && it->sound->isComplete();
}

bool MediaControl::allLoaded() const
{
    std::lock_guard lock(m_mutex);
    return std::all_of(m_devices.cbegin(), m_devices.cend(), [](const Device &d) { return d.sound->isComplete(); });
}

void MediaControl::log(const QString &command)
{
    std::lock_guard lock(m_mutex);
    m_log << command;
    if (m_log.size() > LogLimit)
        m_log.removeFirst();
}

QStringList MediaControl::commandLog() const
{
    std::lock_guard lock(m_mutex);
    return m_log;
}

void MediaControl::clearCommandLog()
{
    std::lock_guard lock(m_mutex);
    m_log.clear();
}

} // namespace audio
