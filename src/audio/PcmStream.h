#pragma once

#include "audio/Resampler.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

namespace audio {

// Sound that arrives while it plays, such as a synthesised voice: a producer thread pushes
// samples in its own format, the mixer plays them as they come. Obtained from Mixer::openStream.
class PcmStream
{
public:
    PcmStream(int sampleRate, int channels);

    // Producer side. Queues `frames` frames of interleaved samples in the stream's format.
    void push(const std::int16_t *samples, std::size_t frames);
    void push(const float *samples, std::size_t frames);

    // Producer side. No more samples for now: what is queued plays out, then the stream counts
    // as drained. Later pushes start a new run.
    void endOfInput();

    // Any thread. Silences the stream at once: what is queued is thrown away, the stream is
    // drained, and a waiter in waitDrained returns.
    void stop();

    // True when nothing is queued and no run is open (after endOfInput or stop).
    bool isDrained() const;

    // True when queued frames are still waiting to be mixed, whether or not a run is open.
    bool hasQueued() const;

    // Blocks until the stream is drained or `timeout` has passed; true when drained.
    bool waitDrained(std::chrono::milliseconds timeout);

    // Mixer side: adds up to `frames` queued frames to `out`; returns how many were added.
    std::size_t mixInto(float *out, std::size_t frames);

private:
    void queue(const std::vector<float> &converted);
    bool drainedLocked() const { return m_queue.empty() && !m_runOpen; }

    int m_channels;
    std::mutex m_producerMutex; // guards the resampler, which only the producer drives
    Resampler m_resampler;
    std::vector<float> m_scratch;

    mutable std::mutex m_mutex; // guards everything below; the mixer takes it for each mix
    std::condition_variable m_drainedChanged;
    std::deque<float> m_queue; // interleaved stereo at the mix rate
    bool m_runOpen = false;
    std::uint64_t m_generation = 0; // advanced by stop, so a push in flight is dropped
};

} // namespace audio
