#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace audio {

// Sample-rate conversion with a windowed-sinc kernel. Output frame k sits exactly at input
// position k * inRate / outRate (integer arithmetic, no drift), and n input frames give exactly
// ceil(n * outRate / inRate) output frames once the input is flushed, however the input was
// split into pieces. Equal rates copy the samples unchanged.
class Resampler
{
public:
    Resampler(int inRate, int outRate, int channels);

    // Appends to `out` (interleaved) every output frame that `frames` more input frames allow.
    void process(const float *in, std::size_t frames, std::vector<float> &out);

    // Ends the input: appends the remaining output frames, computed as if silence followed.
    void flush(std::vector<float> &out);

    // Forgets all input, as if newly constructed.
    void reset();

    // The whole of a buffer, converted in one go.
    static std::vector<float> convert(const float *in, std::size_t frames, int inRate, int outRate,
                                      int channels);

    static std::size_t outputFrames(std::size_t inFrames, int inRate, int outRate);

private:
    bool canProduce(std::uint64_t outIndex, bool flushing) const;
    void produce(std::uint64_t outIndex, std::vector<float> &out) const;
    void dropUnneededHistory();
    float kernel(double distance) const;

    int m_inRate;
    int m_outRate;
    int m_channels;
    double m_cutoff;      // relative to the input's Nyquist frequency
    int m_halfWidth;      // input frames on each side of an output position
    std::vector<float> m_history; // input frames from m_historyStart on
    std::uint64_t m_historyStart = 0;
    std::uint64_t m_inTotal = 0;
    std::uint64_t m_outNext = 0;
};

} // namespace audio
