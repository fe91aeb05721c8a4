#include "audio/Resampler.h"

#include <soxr.h>

#include <algorithm>

namespace audio {

namespace {
// Output frames asked of the library per call.
constexpr std::size_t BlockFrames = 4096;
} // namespace

void Resampler::SoxrDeleter::operator()(soxr *resampler) const
{
    soxr_delete(resampler);
}

Resampler::Resampler(int inRate, int outRate, int channels)
    : m_inRate(std::max(1, inRate))
    , m_outRate(std::max(1, outRate))
    , m_channels(std::max(1, channels))
{
    if (m_inRate == m_outRate)
        return;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1); // one thread: callers have their own
    soxr_error_t error = nullptr;
    m_soxr.reset(soxr_create(m_inRate, m_outRate, unsigned(m_channels), &error, &io, &quality, &runtime));
    if (error)
        m_soxr.reset();
    m_block.resize(BlockFrames * std::size_t(m_channels));
}

Resampler::~Resampler() = default;

std::size_t Resampler::outputFrames(std::size_t inFrames, int inRate, int outRate)
{
    if (inRate == outRate)
        return inFrames;
    const std::uint64_t num = std::uint64_t(inFrames) * std::uint64_t(outRate);
    return std::size_t((num + std::uint64_t(inRate) - 1) / std::uint64_t(inRate));
}

void Resampler::reset()
{
    if (m_soxr)
        soxr_clear(m_soxr.get());
    m_inTotal = 0;
    m_outTotal = 0;
}

// Hands what the library made to `out`, never beyond the length the input asks for.
void Resampler::append(const float *frames, std::size_t count, std::vector<float> &out)
{
    const std::uint64_t limit = outputFrames(std::size_t(m_inTotal), m_inRate, m_outRate);
    count = std::size_t(std::min<std::uint64_t>(count, limit - std::min(limit, m_outTotal)));
    out.insert(out.end(), frames, frames + count * std::size_t(m_channels));
    m_outTotal += count;
}

// Feeds `frames` input frames (none and a null pointer: the end of the input) and collects the
// output until the library has nothing more to give for now.
void Resampler::run(const float *in, std::size_t frames, std::vector<float> &out)
{
    std::size_t used = 0;
    for (;;) {
        std::size_t taken = 0;
        std::size_t made = 0;
        const float *from = in ? in + used * std::size_t(m_channels) : nullptr;
        soxr_process(m_soxr.get(), from, frames - used, &taken, m_block.data(), BlockFrames, &made);
        used += taken;
        append(m_block.data(), made, out);
        if (made == 0 && (used >= frames || taken == 0))
            return;
    }
}

void Resampler::process(const float *in, std::size_t frames, std::vector<float> &out)
{
    m_inTotal += frames;
    if (!m_soxr) {
        if (m_inRate == m_outRate) {
            out.insert(out.end(), in, in + frames * std::size_t(m_channels));
            m_outTotal += frames;
        }
        return;
    }
    if (frames > 0)
        run(in, frames, out);
}

void Resampler::flush(std::vector<float> &out)
{
    if (m_soxr)
        run(nullptr, 0, out);
    // Whatever the library still owes of the length is silence.
    const std::uint64_t length = outputFrames(std::size_t(m_inTotal), m_inRate, m_outRate);
    if (m_outTotal < length)
        out.resize(out.size() + std::size_t(length - m_outTotal) * std::size_t(m_channels), 0.0f);
    reset();
}

std::vector<float> Resampler::convert(const float *in, std::size_t frames, int inRate, int outRate,
                                      int channels)
{
    std::vector<float> out;
    out.reserve(outputFrames(frames, inRate, outRate) * std::size_t(std::max(1, channels)));
    Resampler resampler(inRate, outRate, channels);
    resampler.process(in, frames, out);
    resampler.flush(out);
    return out;
}

} // namespace audio
