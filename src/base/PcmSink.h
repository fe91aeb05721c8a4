#pragma once

#include <cstdint>

namespace base {

// Where synthesised speech goes: a stream of 16-bit signed samples, interleaved when there is
// more than one channel. The speech component pushes from its own worker thread while the
// user-interface thread may flush at any moment, so implementations are thread-safe.
class PcmSink
{
public:
    virtual ~PcmSink() = default;

    // Queues `frames` frames. Must not wait for playback: the speaker holds its lock across
    // the call so that a stop can fall only between two pushes.
    virtual void push(const int16_t *samples, int frames, int sampleRate, int channels) = 0;

    // Drops everything queued and not yet heard; the output falls silent at once.
    virtual void flush() = 0;

    // True when everything pushed so far has been played (or dropped).
    virtual bool drained() const = 0;
};

} // namespace base
