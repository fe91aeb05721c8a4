#include "audio/Resampler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace audio {

namespace {

// Zero crossings of the sinc on each side, and table steps per crossing.
constexpr int ZeroCrossings = 12;
constexpr int TableSteps = 512;

// sinc(u) under a Blackman window, for u in [0, ZeroCrossings], sampled once.
const std::array<float, ZeroCrossings * TableSteps + 2> &kernelTable()
{
    static const auto table = [] {
        std::array<float, ZeroCrossings * TableSteps + 2> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double u = double(i) / TableSteps;
            if (u >= ZeroCrossings) {
                t[i] = 0.0f;
                continue;
            }
            const double pu = std::numbers::pi * u;
            const double sinc = i == 0 ? 1.0 : std::sin(pu) / pu;
            const double x = u / ZeroCrossings;
            const double window = 0.42 + 0.5 * std::cos(std::numbers::pi * x)
                                  + 0.08 * std::cos(2.0 * std::numbers::pi * x);
            t[i] = float(sinc * window);
        }
        return t;
    }();
    return table;
}

} // namespace

Resampler::Resampler(int inRate, int outRate, int channels)
    : m_inRate(std::max(1, inRate))
    , m_outRate(std::max(1, outRate))
    , m_channels(std::max(1, channels))
{
    // Downsampling lowers the cut-off below the output's Nyquist frequency, with a little room
    // for the transition band.
    m_cutoff = m_outRate < m_inRate ? 0.95 * double(m_outRate) / m_inRate : 1.0;
    m_halfWidth = int(std::ceil(ZeroCrossings / m_cutoff));
}

std::size_t Resampler::outputFrames(std::size_t inFrames, int inRate, int outRate)
{
    if (inRate == outRate)
        return inFrames;
    const std::uint64_t num = std::uint64_t(inFrames) * std::uint64_t(outRate);
    return std::size_t((num + std::uint64_t(inRate) - 1) / std::uint64_t(inRate));
}

void Resampler::reset()
{
    m_history.clear();
    m_historyStart = 0;
    m_inTotal = 0;
    m_outNext = 0;
}

float Resampler::kernel(double distance) const
{
    const double u = std::abs(distance) * m_cutoff * TableSteps;
    const auto index = std::size_t(u);
    const auto &table = kernelTable();
    if (index + 1 >= table.size())
        return 0.0f;
    const double frac = u - double(index);
    return float(table[index] + (table[index + 1] - table[index]) * frac);
}

bool Resampler::canProduce(std::uint64_t outIndex, bool flushing) const
{
    const std::uint64_t num = outIndex * std::uint64_t(m_inRate);
    const std::uint64_t centre = num / std::uint64_t(m_outRate);
    if (flushing)
        return num < m_inTotal * std::uint64_t(m_outRate);
    return centre + std::uint64_t(m_halfWidth) < m_inTotal;
}

void Resampler::produce(std::uint64_t outIndex, std::vector<float> &out) const
{
    const std::uint64_t num = outIndex * std::uint64_t(m_inRate);
    const auto centre = std::int64_t(num / std::uint64_t(m_outRate));
    const double frac = double(num % std::uint64_t(m_outRate)) / m_outRate;

    float sums[8] = {};
    double weightSum = 0.0;
    const int channels = std::min(m_channels, 8);
    for (std::int64_t j = centre - m_halfWidth + 1; j <= centre + m_halfWidth; ++j) {
        const float w = kernel(double(j - centre) - frac);
        weightSum += w;
        if (j < std::int64_t(m_historyStart) || j >= std::int64_t(m_inTotal))
            continue; // silence before the start and after the end
        const float *frame = &m_history[std::size_t(j - std::int64_t(m_historyStart)) * m_channels];
        for (int c = 0; c < channels; ++c)
            sums[c] += w * frame[c];
    }
    // Dividing by the weights keeps a constant signal exactly constant at every phase.
    const float scale = weightSum != 0.0 ? float(1.0 / weightSum) : 0.0f;
    for (int c = 0; c < m_channels; ++c)
        out.push_back(c < channels ? sums[c] * scale : 0.0f);
}

void Resampler::dropUnneededHistory()
{
    const std::uint64_t num = m_outNext * std::uint64_t(m_inRate);
    const std::uint64_t centre = num / std::uint64_t(m_outRate);
    const std::uint64_t firstNeeded = centre + 1 > std::uint64_t(m_halfWidth)
                                          ? centre + 1 - std::uint64_t(m_halfWidth)
                                          : 0;
    if (firstNeeded <= m_historyStart)
        return;
    const std::uint64_t drop = std::min<std::uint64_t>(firstNeeded - m_historyStart,
                                                       m_history.size() / m_channels);
    // Erasing from the front only once a good amount has piled up keeps this linear.
    if (drop < 4096 && drop * m_channels < m_history.size())
        return;
    m_history.erase(m_history.begin(), m_history.begin() + std::ptrdiff_t(drop * m_channels));
    m_historyStart += drop;
}

void Resampler::process(const float *in, std::size_t frames, std::vector<float> &out)
{
    if (m_inRate == m_outRate) {
        out.insert(out.end(), in, in + frames * m_channels);
        m_inTotal += frames;
        m_outNext += frames;
        return;
    }
    m_history.insert(m_history.end(), in, in + frames * m_channels);
    m_inTotal += frames;
    while (canProduce(m_outNext, false))
        produce(m_outNext++, out);
    dropUnneededHistory();
}

void Resampler::flush(std::vector<float> &out)
{
    if (m_inRate != m_outRate) {
        while (canProduce(m_outNext, true))
            produce(m_outNext++, out);
    }
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
