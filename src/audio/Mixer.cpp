#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace audio {

namespace {
constexpr float Knee = 0.8f;
}

Mixer::Mixer(std::unique_ptr<AudioDevice> device)
    : m_device(std::move(device))
{
    m_running = m_device && m_device->start([this](float *out, int frames) { mix(out, frames); });
}

Mixer::~Mixer()
{
    if (m_device)
        m_device->stop();
    // Nobody may stay blocked on a voice that will never be mixed again.
    std::lock_guard lock(m_mutex);
    m_voices.clear();
    m_voiceEnded.notify_all();
}

QString Mixer::driverName() const
{
    return m_running ? m_device->driverName() : QString();
}

Mixer::VoiceId Mixer::addVoice(std::shared_ptr<const PcmBuffer> sound)
{
    std::lock_guard lock(m_mutex);
    const VoiceId id = m_nextId++;
    m_voices[id].sound = std::move(sound);
    return id;
}

void Mixer::removeVoice(VoiceId id)
{
    std::shared_ptr<const PcmBuffer> last;
    std::lock_guard lock(m_mutex);
    auto it = m_voices.find(id);
    if (it == m_voices.end())
        return;
    last = std::move(it->second.sound); // freed after the lock is released
    m_voices.erase(it);
    m_voiceEnded.notify_all();
}

void Mixer::play(VoiceId id, std::int64_t frame)
{
    std::lock_guard lock(m_mutex);
    auto it = m_voices.find(id);
    if (it == m_voices.end())
        return;
    Voice &voice = it->second;
    if (frame >= 0)
        voice.position = std::size_t(frame);
    // A sound with nothing left to play (an empty one, or one played past its end) ends here
    // rather than at the next mix, which a device that is not mixing would never reach.
    voice.playing = !(voice.sound->isComplete() && voice.position >= voice.sound->available());
    if (!voice.playing)
        m_voiceEnded.notify_all();
}

void Mixer::stop(VoiceId id)
{
    std::lock_guard lock(m_mutex);
    auto it = m_voices.find(id);
    if (it == m_voices.end())
        return;
    it->second.playing = false;
    m_voiceEnded.notify_all();
}

bool Mixer::voicePlaying(VoiceId id) const
{
    auto it = m_voices.find(id);
    return it != m_voices.end() && it->second.playing;
}

bool Mixer::isPlaying(VoiceId id) const
{
    std::lock_guard lock(m_mutex);
    return voicePlaying(id);
}

void Mixer::waitForEnd(VoiceId id)
{
    std::unique_lock lock(m_mutex);
    m_voiceEnded.wait(lock, [&] { return !voicePlaying(id); });
}

std::shared_ptr<PcmStream> Mixer::openStream(int sampleRate, int channels)
{
    auto stream = std::make_shared<PcmStream>(sampleRate, channels);
    std::lock_guard lock(m_mutex);
    m_streams.push_back(stream);
    return stream;
}

void Mixer::closeStream(const std::shared_ptr<PcmStream> &stream)
{
    if (!stream)
        return;
    stream->stop();
    std::lock_guard lock(m_mutex);
    std::erase(m_streams, stream);
}

void Mixer::setMixObserver(MixObserver observer)
{
    std::lock_guard lock(m_observerMutex);
    m_observer = std::move(observer);
}

float Mixer::limit(float sample)
{
    const float magnitude = std::abs(sample);
    if (magnitude <= Knee)
        return sample;
    // Above the knee the excess is squeezed by tanh into the remaining headroom: continuous,
    // with slope 1 at the knee, and never reaching full scale.
    const float headroom = 1.0f - Knee;
    const float bent = Knee + headroom * std::tanh((magnitude - Knee) / headroom);
    return std::copysign(bent, sample);
}

void Mixer::mix(float *out, int frames)
{
    const std::size_t count = std::size_t(std::max(frames, 0));
    std::memset(out, 0, count * AudioFormat::Channels * sizeof(float));
    {
        std::lock_guard lock(m_mutex);
        bool anyEnded = false;
        for (auto &[id, voice] : m_voices) {
            if (!voice.playing)
                continue;
            // A sound still being rendered may not have reached this far yet: it then waits
            // where it is instead of skipping ahead.
            voice.position += voice.sound->mixInto(out, voice.position, count);
            if (voice.sound->isComplete() && voice.position >= voice.sound->available()) {
                voice.playing = false;
                anyEnded = true;
            }
        }
        for (const auto &stream : m_streams)
            stream->mixInto(out, count);
        if (anyEnded)
            m_voiceEnded.notify_all();
    }
    for (std::size_t i = 0; i < count * AudioFormat::Channels; ++i)
        out[i] = limit(out[i]);

    std::lock_guard lock(m_observerMutex);
    if (m_observer)
        m_observer(out, frames);
}

} // namespace audio
