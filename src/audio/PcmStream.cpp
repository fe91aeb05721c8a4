#include "audio/PcmStream.h"

#include "audio/AudioFormat.h"

#include <algorithm>

namespace audio {

namespace {
constexpr std::size_t Ch = AudioFormat::Channels;
}

PcmStream::PcmStream(int sampleRate, int channels)
    : m_channels(std::clamp(channels, 1, 2))
    , m_resampler(sampleRate, AudioFormat::SampleRate, Ch)
{
}

void PcmStream::push(const std::int16_t *samples, std::size_t frames)
{
    std::vector<float> asFloat(frames * m_channels);
    for (std::size_t i = 0; i < asFloat.size(); ++i)
        asFloat[i] = float(samples[i]) / 32768.0f;
    push(asFloat.data(), frames);
}

void PcmStream::push(const float *samples, std::size_t frames)
{
    std::uint64_t generation;
    {
        std::lock_guard lock(m_mutex);
        generation = m_generation;
        m_runOpen = true;
    }
    std::lock_guard producer(m_producerMutex);
    // Mono plays on both sides.
    std::vector<float> stereo(frames * Ch);
    for (std::size_t f = 0; f < frames; ++f) {
        stereo[f * Ch] = samples[f * m_channels];
        stereo[f * Ch + 1] = samples[f * m_channels + (m_channels - 1)];
    }
    m_scratch.clear();
    m_resampler.process(stereo.data(), frames, m_scratch);
    std::lock_guard lock(m_mutex);
    if (generation == m_generation)
        m_queue.insert(m_queue.end(), m_scratch.begin(), m_scratch.end());
}

bool PcmStream::hasQueued() const
{
    std::lock_guard lock(m_mutex);
    return !m_queue.empty();
}

void PcmStream::endOfInput()
{
    std::lock_guard producer(m_producerMutex);
    m_scratch.clear();
    m_resampler.flush(m_scratch);
    std::lock_guard lock(m_mutex);
    m_queue.insert(m_queue.end(), m_scratch.begin(), m_scratch.end());
    m_runOpen = false;
    if (drainedLocked())
        m_drainedChanged.notify_all();
}

void PcmStream::stop()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_queue.clear();
        m_runOpen = false;
        m_drainedChanged.notify_all();
    }
    std::lock_guard producer(m_producerMutex);
    m_resampler.reset();
}

bool PcmStream::isDrained() const
{
    std::lock_guard lock(m_mutex);
    return drainedLocked();
}

bool PcmStream::waitDrained(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(m_mutex);
    return m_drainedChanged.wait_for(lock, timeout, [this] { return drainedLocked(); });
}

std::size_t PcmStream::mixInto(float *out, std::size_t frames)
{
    std::lock_guard lock(m_mutex);
    const std::size_t n = std::min(frames, m_queue.size() / Ch);
    for (std::size_t i = 0; i < n * Ch; ++i)
        out[i] += m_queue[i];
    m_queue.erase(m_queue.begin(), m_queue.begin() + std::ptrdiff_t(n * Ch));
    if (n > 0 && drainedLocked())
        m_drainedChanged.notify_all();
    return n;
}

} // namespace audio
