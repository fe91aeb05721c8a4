#pragma once

#include "audio/AudioFormat.h"

#include <atomic>
#include <cstddef>
#include <memory>

namespace audio {

// A loaded sound in the mix format, which may still be growing while it plays: one thread
// appends (the file loader or the MIDI renderer), any number of threads read what has been
// published so far. Storage comes in fixed chunks that never move, so readers need no lock.
class PcmBuffer
{
public:
    static constexpr std::size_t ChunkFrames = 16384;

    PcmBuffer();
    ~PcmBuffer();
    PcmBuffer(const PcmBuffer &) = delete;
    PcmBuffer &operator=(const PcmBuffer &) = delete;

    // Writer side. Appends interleaved stereo frames; returns how many fit under
    // AudioFormat::MaxFrames.
    std::size_t append(const float *frames, std::size_t count);

    // Writer side. No more frames will come; the sound ends after `length` frames (at most
    // what was appended), which lets trailing silence be cut off.
    void finish(std::size_t length);
    void finish() { finish(available()); }

    // Frames published so far.
    std::size_t available() const { return m_available.load(std::memory_order_acquire); }
    bool isComplete() const { return m_complete.load(std::memory_order_acquire); }

    // Adds frames [from, from + count) to `out`, as far as they are published; returns how
    // many frames were added.
    std::size_t mixInto(float *out, std::size_t from, std::size_t count) const;

    // Copies published frames [from, from + count) out; for checks and tests.
    std::size_t copyTo(float *out, std::size_t from, std::size_t count) const;

private:
    static constexpr std::size_t MaxChunks = (AudioFormat::MaxFrames + ChunkFrames - 1) / ChunkFrames;

    template<typename Op>
    std::size_t visit(std::size_t from, std::size_t count, Op op) const;

    std::unique_ptr<std::unique_ptr<float[]>[]> m_chunks;
    std::size_t m_written = 0; // writer only
    std::atomic<std::size_t> m_available{0};
    std::atomic<bool> m_complete{false};
};

} // namespace audio
