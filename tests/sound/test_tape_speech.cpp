// The tape with the real speech component, speaking into a sink that keeps the samples.

#include "base/MemoryPcmSink.h"
#include "speech/SpeechVoice.h"
#include "sound/mdlM_Tape.h"
#include "TapeFakes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using base::MemoryPcmSink;
using speech::SpeechVoice;
using speech::TextToSpeech;
using sound::mdlM_Tape;

namespace {

bool waitUntilIdle(const mdlM_Tape &, const SpeechVoice *voice)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (voice->state() != TextToSpeech::Idle) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace

class TapeSpeechTest : public ::testing::Test
{
protected:
    TapeSpeechTest()
        : host(log), tape(host, [this]() -> std::unique_ptr<TextToSpeech> {
              SpeechVoice::Options options;
              options.userReadingsFile.clear();
              options.settingsFile.clear();
              auto v = SpeechVoice::create(sink, options);
              voice = v.get();
              return v;
          })
    {
    }

    void SetUp() override
    {
        tape.InitSpeech();
        ASSERT_TRUE(tape.SpeechUsable());
        tape.LoadBroadcastData(QStringLiteral(HARUNE_SOURCE_DIR "/data/demo"), QStringLiteral("1"));
        ASSERT_EQ(tape.GetTapeCount(), 20);
    }

    QStringList log;
    FakeTapeHost host;
    MemoryPcmSink sink;
    SpeechVoice *voice = nullptr;
    mdlM_Tape tape;
};

TEST_F(TapeSpeechTest, NextSpeaksTheEntryAloud)
{
    tape.TapeNext();
    ASSERT_TRUE(waitUntilIdle(tape, voice));
    const std::vector<int16_t> samples = sink.samples();
    ASSERT_GT(samples.size(), size_t(22050)); // more than a second of speech
    long loud = 0;
    for (int16_t s : samples)
        loud += std::abs(int(s)) > 1000;
    EXPECT_GT(loud, long(samples.size() / 10));
}

TEST_F(TapeSpeechTest, StopSilencesTheAnnouncementAtOnce)
{
    sink.setPushDelayMs(5);
    tape.TapeNext();
    ASSERT_TRUE(sink.waitForSamples(1, 10000));
    tape.StopAnnouncement();
    const size_t atStop = sink.sampleCount();
    ASSERT_TRUE(waitUntilIdle(tape, voice));
    EXPECT_EQ(sink.sampleCount(), atStop);
    EXPECT_EQ(sink.samplesSinceFlush(), 0u);
}

TEST_F(TapeSpeechTest, NextAnnouncementCutsThePreviousOneOff)
{
    sink.setPushDelayMs(5);
    tape.TapeNext();
    ASSERT_TRUE(sink.waitForSamples(1, 10000));
    const int flushes = sink.flushCount();
    tape.TapeNext();
    // The announcement before was flushed away when the next one started.
    EXPECT_EQ(sink.flushCount(), flushes + 1);
    sink.setPushDelayMs(0);
    ASSERT_TRUE(waitUntilIdle(tape, voice));
    EXPECT_GT(sink.samplesSinceFlush(), size_t(22050));
    EXPECT_EQ(tape.GetTapePos(), 2);
}
