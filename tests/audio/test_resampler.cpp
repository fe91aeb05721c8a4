#include "audio/Resampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using audio::Resampler;

namespace {

std::vector<float> tone(int rate, double hz, double seconds)
{
    std::vector<float> v(std::size_t(rate * seconds));
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = float(0.5 * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    return v;
}

int zeroCrossings(const std::vector<float> &v, std::size_t from, std::size_t to)
{
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i)
        n += (v[i - 1] < 0) != (v[i] < 0);
    return n;
}

// Level of the `hz` component of `v` (in the middle, away from the ends) relative to
// `amplitude`, in dB; a Goertzel filter under a Hann window.
double levelDb(const std::vector<float> &v, int rate, double hz, double amplitude)
{
    const std::size_t n = std::size_t(rate) / 2;
    const std::size_t from = (v.size() - n) / 2;
    const double w = 2 * std::numbers::pi * hz / rate;
    double s1 = 0, s2 = 0, windowSum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(n - 1));
        windowSum += hann;
        const double s = v[from + i] * hann + 2 * std::cos(w) * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    const double magnitude = std::sqrt(s1 * s1 + s2 * s2 - 2 * std::cos(w) * s1 * s2) * 2 / windowSum;
    return 20 * std::log10(std::max(magnitude, 1e-12) / amplitude);
}

} // namespace

TEST(Resampler, GivesExactlyTheLengthTheRatioAsksFor)
{
    const std::pair<int, int> rates[] = {{22050, 44100}, {48000, 44100}, {8000, 44100},
                                         {11025, 44100}, {96000, 44100}, {44100, 44100}};
    for (auto [in, out] : rates) {
        for (std::size_t frames : {std::size_t(0), std::size_t(1), std::size_t(999), std::size_t(4410)}) {
            const std::vector<float> input(frames * 2, 0.25f);
            const auto converted = Resampler::convert(input.data(), frames, in, out, 2);
            const std::size_t expected = (frames * std::size_t(out) + std::size_t(in) - 1) / std::size_t(in);
            EXPECT_EQ(converted.size(), expected * 2) << in << " -> " << out << ", " << frames << " frames";
        }
    }
}

TEST(Resampler, SplittingTheInputChangesNoSample)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> value(-0.8f, 0.8f);
    std::vector<float> input(2 * 5000);
    for (float &s : input)
        s = value(random);
    for (int inRate : {22050, 48000}) {
        const auto whole = Resampler::convert(input.data(), 5000, inRate, 44100, 2);
        for (std::size_t piece : {std::size_t(1), std::size_t(7), std::size_t(1000)}) {
            Resampler r(inRate, 44100, 2);
            std::vector<float> pieces;
            for (std::size_t at = 0; at < 5000; at += piece)
                r.process(&input[at * 2], std::min(piece, 5000 - at), pieces);
            r.flush(pieces);
            EXPECT_EQ(pieces, whole) << inRate << " Hz in pieces of " << piece;
        }
    }
}

TEST(Resampler, KeepsPitchAndLevel)
{
    for (int inRate : {22050, 48000, 8000}) {
        const auto input = tone(inRate, 440.0, 1.0);
        const auto out = Resampler::convert(input.data(), input.size(), inRate, 44100, 1);
        ASSERT_EQ(out.size(), 44100u);
        // 440 Hz crosses zero 880 times a second.
        EXPECT_NEAR(zeroCrossings(out, 0, out.size()), 880, 2) << inRate;
        float peak = 0;
        for (std::size_t i = 1000; i < out.size() - 1000; ++i)
            peak = std::max(peak, std::abs(out[i]));
        EXPECT_NEAR(peak, 0.5f, 0.01f) << inRate;
    }
}

TEST(Resampler, EqualRatesCopyTheSamples)
{
    const auto input = tone(44100, 1000.0, 0.1);
    EXPECT_EQ(Resampler::convert(input.data(), input.size(), 44100, 44100, 1), input);
}

TEST(Resampler, RemovesTonesTheOutputCannotHold)
{
    // 20 kHz at 48 kHz is above the Nyquist frequency of 8 kHz output and must not fold back.
    const auto input = tone(48000, 20000.0, 0.5);
    const auto out = Resampler::convert(input.data(), input.size(), 48000, 8000, 1);
    float peak = 0;
    for (std::size_t i = 200; i < out.size() - 200; ++i)
        peak = std::max(peak, std::abs(out[i]));
    EXPECT_LT(peak, 0.01f);
}

// Doubling 22.05 kHz mirrors every tone f at 22050 - f, and 48 kHz tones above 22.05 kHz fold
// back into the band: both must stay inaudible, also close to the band's edge.
TEST(Resampler, LeavesNoImagesOrAliases)
{
    for (double hz : {1000.0, 9900.0}) {
        const auto input = tone(22050, hz, 1.0);
        const auto out = Resampler::convert(input.data(), input.size(), 22050, 44100, 1);
        EXPECT_NEAR(levelDb(out, 44100, hz, 0.5), 0.0, 0.1) << hz;
        EXPECT_LT(levelDb(out, 44100, 22050 - hz, 0.5), -90.0) << hz;
    }
    for (double hz : {22600.0, 23900.0}) {
        const auto input = tone(48000, hz, 1.0);
        const auto out = Resampler::convert(input.data(), input.size(), 48000, 44100, 1);
        EXPECT_LT(levelDb(out, 44100, 44100 - hz, 0.5), -90.0) << hz;
    }
}
