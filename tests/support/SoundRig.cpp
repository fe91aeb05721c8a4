#include "SoundRig.h"

#include <chrono>
#include <thread>

namespace testsupport {

namespace {
constexpr int Block = 512;
}

SoundRig::SoundRig(bool withMidi)
{
    auto device = std::make_unique<audio::PullAudioDevice>();
    m_device = device.get();
    audio::MediaControl::Options options;
    options.preloadSoundFont = withMidi;
    m_mci = std::make_unique<audio::MediaControl>(std::move(device), options);
}

QString SoundRig::file(const QString &name, const QByteArray &bytes)
{
    const QString p = m_dir.filePath(name);
    writeFile(p, bytes);
    return p;
}

Pcm SoundRig::pull(double seconds)
{
    // Sounds are decoded in the background; waiting for them makes what is mixed the same
    // every time.
    waitUntilLoaded();
    Pcm out;
    out.samples = m_device->pull(int(seconds * audio::AudioFormat::SampleRate));
    return out;
}

Pcm SoundRig::pullUntilEnded(const QString &alias, double maxSeconds)
{
    Pcm out;
    const auto maxFrames = std::size_t(maxSeconds * audio::AudioFormat::SampleRate);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    // A sound still being rendered would wait for the renderer and put silence of its own into
    // the output; letting it finish first makes the output the same every time.
    while (m_mci->isOpen(alias) && !m_mci->isLoaded(alias) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    while (m_mci->isPlaying(alias) && out.frames() < maxFrames)
        out.append(m_device->pull(Block));
    return out;
}

void SoundRig::waitUntilLoaded()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!m_mci->allLoaded() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

} // namespace testsupport
