#include "audio/PcmBuffer.h"

#include <algorithm>
#include <cstring>

namespace audio {

namespace {
constexpr std::size_t Ch = AudioFormat::Channels;
}

PcmBuffer::PcmBuffer()
    : m_chunks(std::make_unique<std::unique_ptr<float[]>[]>(MaxChunks))
{
}

PcmBuffer::~PcmBuffer() = default;

std::size_t PcmBuffer::append(const float *frames, std::size_t count)
{
    if (isComplete())
        return 0;
    count = std::min(count, AudioFormat::MaxFrames - m_written);
    std::size_t done = 0;
    while (done < count) {
        const std::size_t chunk = m_written / ChunkFrames;
        const std::size_t offset = m_written % ChunkFrames;
        if (!m_chunks[chunk])
            m_chunks[chunk] = std::make_unique<float[]>(ChunkFrames * Ch);
        const std::size_t n = std::min(count - done, ChunkFrames - offset);
        std::memcpy(&m_chunks[chunk][offset * Ch], frames + done * Ch, n * Ch * sizeof(float));
        done += n;
        m_written += n;
    }
    // Publishing after the copy makes the samples visible to every reader that sees the count.
    m_available.store(m_written, std::memory_order_release);
    return done;
}

void PcmBuffer::finish(std::size_t length)
{
    m_available.store(std::min(length, m_written), std::memory_order_release);
    m_complete.store(true, std::memory_order_release);
}

template<typename Op>
std::size_t PcmBuffer::visit(std::size_t from, std::size_t count, Op op) const
{
    const std::size_t end = available();
    if (from >= end)
        return 0;
    count = std::min(count, end - from);
    std::size_t done = 0;
    while (done < count) {
        const std::size_t pos = from + done;
        const std::size_t offset = pos % ChunkFrames;
        const std::size_t n = std::min(count - done, ChunkFrames - offset);
        op(&m_chunks[pos / ChunkFrames][offset * Ch], done, n);
        done += n;
    }
    return done;
}

std::size_t PcmBuffer::mixInto(float *out, std::size_t from, std::size_t count) const
{
    return visit(from, count, [out](const float *src, std::size_t at, std::size_t n) {
        float *dst = out + at * Ch;
        for (std::size_t i = 0; i < n * Ch; ++i)
            dst[i] += src[i];
    });
}

std::size_t PcmBuffer::copyTo(float *out, std::size_t from, std::size_t count) const
{
    return visit(from, count, [out](const float *src, std::size_t at, std::size_t n) {
        std::memcpy(out + at * Ch, src, n * Ch * sizeof(float));
    });
}

} // namespace audio
