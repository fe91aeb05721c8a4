#pragma once

#include "base/PcmSink.h"

#include <condition_variable>
#include <mutex>
#include <vector>

namespace base {

// A sink that keeps every sample it is given instead of playing it: the speech output of a
// run without a sound device, and what tests read. Nothing is ever waiting to be played, so it
// is always drained.
class MemoryPcmSink final : public PcmSink
{
public:
    void push(const int16_t *samples, int frames, int sampleRate, int channels) override;
    void flush() override;
    bool drained() const override { return true; }

    // Every sample received since the last clear (a flush does not remove them).
    std::vector<int16_t> samples() const;
    size_t sampleCount() const;
    int sampleRate() const;
    int channels() const;
    int pushCount() const;
    int flushCount() const;
    // Samples that arrived after the most recent flush.
    size_t samplesSinceFlush() const;
    void clear();

    // Waits until at least `count` samples have arrived since the last clear, or `timeoutMs`
    // passes; true when they did.
    bool waitForSamples(size_t count, int timeoutMs) const;

    // Makes every push take this long, as a consumer that keeps pace with playback would.
    void setPushDelayMs(int ms);

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_arrived;
    std::vector<int16_t> m_samples;
    size_t m_samplesAtFlush = 0;
    int m_sampleRate = 0;
    int m_channels = 0;
    int m_pushes = 0;
    int m_flushes = 0;
    int m_pushDelayMs = 0;
};

} // namespace base
