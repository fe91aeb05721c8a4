#include "base/MemoryPcmSink.h"

#include <chrono>
#include <thread>

namespace base {

void MemoryPcmSink::push(const int16_t *samples, int frames, int sampleRate, int channels)
{
    int delay = 0;
    {
        std::lock_guard lock(m_mutex);
        if (samples && frames > 0 && channels > 0)
            m_samples.insert(m_samples.end(), samples, samples + size_t(frames) * size_t(channels));
        m_sampleRate = sampleRate;
        m_channels = channels;
        ++m_pushes;
        delay = m_pushDelayMs;
    }
    m_arrived.notify_all();
    if (delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
}

void MemoryPcmSink::flush()
{
    std::lock_guard lock(m_mutex);
    ++m_flushes;
    m_samplesAtFlush = m_samples.size();
}

std::vector<int16_t> MemoryPcmSink::samples() const
{
    std::lock_guard lock(m_mutex);
    return m_samples;
}

size_t MemoryPcmSink::sampleCount() const
{
    std::lock_guard lock(m_mutex);
    return m_samples.size();
}

int MemoryPcmSink::sampleRate() const
{
    std::lock_guard lock(m_mutex);
    return m_sampleRate;
}

int MemoryPcmSink::channels() const
{
    std::lock_guard lock(m_mutex);
    return m_channels;
}

int MemoryPcmSink::pushCount() const
{
    std::lock_guard lock(m_mutex);
    return m_pushes;
}

int MemoryPcmSink::flushCount() const
{
    std::lock_guard lock(m_mutex);
    return m_flushes;
}

size_t MemoryPcmSink::samplesSinceFlush() const
{
    std::lock_guard lock(m_mutex);
    return m_samples.size() - m_samplesAtFlush;
}

void MemoryPcmSink::clear()
{
    std::lock_guard lock(m_mutex);
    m_samples.clear();
    m_samplesAtFlush = 0;
    m_pushes = 0;
    m_flushes = 0;
}

bool MemoryPcmSink::waitForSamples(size_t count, int timeoutMs) const
{
    std::unique_lock lock(m_mutex);
    return m_arrived.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return m_samples.size() >= count; });
}

void MemoryPcmSink::setPushDelayMs(int ms)
{
    std::lock_guard lock(m_mutex);
    m_pushDelayMs = ms;
}

} // namespace base
