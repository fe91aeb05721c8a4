#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct soxr;

namespace audio {

// Sample-rate conversion by libsoxr at its high quality (20-bit precision, linear phase): images
// and aliases stay below -90 dB, where the windowed sinc this replaced let a tone near the
// input's Nyquist frequency through at -8 dB. Output frame k sits at input position
// k * inRate / outRate, and n input frames give exactly ceil(n * outRate / inRate) output frames
// once the input is flushed, however the input was split into pieces. Equal rates copy the
// samples unchanged.
class Resampler
{
public:
    Resampler(int inRate, int outRate, int channels);
    ~Resampler();
    Resampler(const Resampler &) = delete;
    Resampler &operator=(const Resampler &) = delete;

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
    struct SoxrDeleter
    {
        void operator()(soxr *resampler) const;
    };

    void run(const float *in, std::size_t frames, std::vector<float> &out);
    void append(const float *frames, std::size_t count, std::vector<float> &out);

    int m_inRate;
    int m_outRate;
    int m_channels;
    std::unique_ptr<soxr, SoxrDeleter> m_soxr; // null for equal rates
    std::uint64_t m_inTotal = 0;
    std::uint64_t m_outTotal = 0;
    std::vector<float> m_block;
};

} // namespace audio
