// Speech goes into the same mixer as the sound channels.
#include "SoundRig.h"
#include "audio/Mixer.h"
#include "audio/MixerPcmSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<int16_t> tone(int frames, int rate)
{
    std::vector<int16_t> out(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
        out[static_cast<std::size_t>(i)] = static_cast<int16_t>(12000 * std::sin(2 * M_PI * 440 * i / rate));
    return out;
}

} // namespace

TEST(MixerPcmSink, VoiceIsMixedAndFlushSilencesItAtOnce)
{
    testsupport::SoundRig rig;
    audio::MixerPcmSink sink(rig.mci().mixer());
    EXPECT_TRUE(sink.drained());

    const auto samples = tone(22050, 22050); // one second of a 22.05 kHz mono voice
    sink.push(samples.data(), 22050, 22050, 1);
    EXPECT_FALSE(sink.drained());
    const testsupport::Pcm first = rig.pull(0.2);
    EXPECT_GT(first.peak(), 0.1);

    sink.flush();
    EXPECT_TRUE(sink.drained());
    EXPECT_LT(rig.pull(0.2).peak(), 1e-4);

    // Another voice format reopens the stream.
    const auto stereo = tone(4800, 48000);
    std::vector<int16_t> interleaved;
    for (int16_t s : stereo) {
        interleaved.push_back(s);
        interleaved.push_back(s);
    }
    sink.push(interleaved.data(), 4800, 48000, 2);
    EXPECT_GT(rig.pull(0.05).peak(), 0.1);
    rig.pull(0.2);
    EXPECT_TRUE(sink.drained());
}
