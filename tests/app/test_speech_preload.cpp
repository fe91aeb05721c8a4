#include "app/SpeechPreload.h"

#include "FakeSpeech.h"

#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <vector>

// The component is made on a thread of its own from the start; the first take hands that one
// over, a later take makes a new one on the spot.
TEST(SpeechPreload, FirstTakeHandsOverTheComponentLoadedAhead)
{
    QStringList log;
    std::vector<std::thread::id> madeOn;
    std::mutex guard;
    app::SpeechPreload speech([&]() -> std::unique_ptr<speech::TextToSpeech> {
        std::lock_guard lock(guard);
        madeOn.push_back(std::this_thread::get_id());
        return std::make_unique<FakeSpeech>(log);
    });

    EXPECT_NE(speech.take(), nullptr);
    ASSERT_EQ(madeOn.size(), 1u);
    EXPECT_NE(madeOn[0], std::this_thread::get_id());

    EXPECT_NE(speech.take(), nullptr);
    ASSERT_EQ(madeOn.size(), 2u);
    EXPECT_EQ(madeOn[1], std::this_thread::get_id());
}

