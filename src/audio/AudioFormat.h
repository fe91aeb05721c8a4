#pragma once

#include <cstddef>

namespace audio {

// The one format everything is mixed in: interleaved stereo float at 44.1 kHz. Sounds are
// converted to it when they are loaded, so the device callback only adds samples.
struct AudioFormat
{
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;

    // A loaded sound longer than this is cut off; it bounds the memory a hostile or endless
    // file can take (about 200 MB of samples).
    static constexpr std::size_t MaxFrames = std::size_t(SampleRate) * 600;

    // Samples quieter than this count as silence when trailing silence is trimmed
    // (about the least significant bit of 15-bit audio).
    static constexpr float SilenceLevel = 1.0f / 16384.0f;
};

} // namespace audio
