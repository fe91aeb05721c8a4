#include "SoundRig.h"

#include "audio/MciCommand.h"
#include "base/ProgramInfo.h"
#include "sound/mdlSndAPI.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using sound::mdlSndAPI;
using namespace testsupport;

namespace {

constexpr int Rate = audio::AudioFormat::SampleRate;

QByteArray levelWav(double seconds, float left, float right)
{
    std::vector<float> s;
    for (int i = 0; i < int(seconds * Rate); ++i) {
        s.push_back(left);
        s.push_back(right);
    }
    return wavBytes(s, 2, Rate);
}

class SoundApi : public ::testing::Test
{
protected:
    explicit SoundApi(bool midi = false)
        : rig(midi)
        , snd(rig.mci(), QStringLiteral("731"), [this](int ms) { sleeps.push_back(ms); })
    {
    }

    QStringList log() { return rig.mci().commandLog(); }
    QStringList logAfter(const std::function<void()> &action)
    {
        rig.mci().clearCommandLog();
        action();
        return log();
    }

    SoundRig rig;
    std::vector<int> sleeps;
    mdlSndAPI snd;
};

class SoundApiWithMidi : public SoundApi
{
protected:
    SoundApiWithMidi() : SoundApi(true) {}
};

} // namespace

TEST_F(SoundApi, AliasesAreTheProgramNameAndTheTag)
{
    EXPECT_EQ(snd.channelAlias(QStringLiteral("S3")), QStringLiteral("731S3"));
    // Taken from the running executable, here the test program.
    EXPECT_EQ(base::executableBaseName(), QStringLiteral("test_sound"));
    mdlSndAPI fromProcess(rig.mci());
    EXPECT_EQ(fromProcess.channelAlias(QStringLiteral("S1")), QStringLiteral("test_soundS1"));
}

// A copy of the program named by a file manager ("731 copy") still plays: every command it
// sends is one the media control reads, with the same alias throughout.
TEST_F(SoundApi, AnyProgramNameGivesAliasesTheCommandsCarry)
{
    const QString path = rig.file(QStringLiteral("chime.wav"), levelWav(0.05, 0.5f, 0.5f));
    const QList<std::pair<QString, QString>> names = {
        {QStringLiteral("731 copy"), QStringLiteral("731_copyS1")},
        {QStringLiteral("731 \"x\""), QStringLiteral("731__x_S1")},
        {QStringLiteral("ハルネ\t二号\u3000機"), QStringLiteral("ハルネ_二号_機S1")},
        {QStringLiteral("ハルネ"), QStringLiteral("ハルネS1")},
        {QString(), QStringLiteral("731S1")},
    };
    for (const auto &[name, alias] : names) {
        mdlSndAPI copy(rig.mci(), name, [](int) {});
        EXPECT_EQ(copy.channelAlias(QStringLiteral("S1")), alias) << name.toStdString();
        const QStringList sent = logAfter([&] { copy.PlaySoundFile(path, QStringLiteral("S1"), 0, 0); });
        ASSERT_EQ(sent.size(), 4) << name.toStdString();
        for (const QString &command : sent) {
            const auto parsed = audio::MciCommand::parse(command);
            ASSERT_TRUE(parsed) << command.toStdString();
            EXPECT_EQ(parsed->verb == audio::MciCommand::Verb::Open ? parsed->alias : parsed->target, alias);
        }
        EXPECT_EQ(rig.pullUntilEnded(alias).audibleFrames(), std::size_t(Rate / 20)) << name.toStdString();
        copy.CloseAllSounds();
        EXPECT_FALSE(rig.mci().isOpen(alias));
    }
}

TEST_F(SoundApi, CloseAllSoundsClosesTheFourChannelsInOrder)
{
    const QString path = rig.file(QStringLiteral("a.wav"), levelWav(1.0, 0.5f, 0.5f));
    snd.PlaySoundFile(path, QStringLiteral("S4"), 0, 0);
    EXPECT_GT(rig.pull(0.01).peak(), 0.4f);
    EXPECT_EQ(logAfter([&] { snd.CloseAllSounds(); }),
              QStringList({"close 731S1", "close 731S2", "close 731S3", "close 731S4"}));
    EXPECT_EQ(rig.pull(0.05).peak(), 0.0f);
}

TEST_F(SoundApi, PlayingWithoutWaitingSendsCloseOpenStopPlay)
{
    const QString path = rig.file(QStringLiteral("a.wav"), levelWav(0.1, 0.5f, 0.5f));
    const QStringList sent = logAfter([&] { snd.PlaySoundFile(path, QStringLiteral("S2"), 0, 500); });
    EXPECT_EQ(sent, QStringList({"close 731S2", "open \"" + path + "\" type waveaudio alias 731S2 wait",
                                 "stop 731S2", "play 731S2 from 0"}));
    EXPECT_EQ(sleeps, std::vector<int>({0})); // the pause belongs to waiting only
    EXPECT_EQ(rig.pullUntilEnded(QStringLiteral("731S2")).audibleFrames(), std::size_t(Rate / 10));
}

TEST_F(SoundApi, PlayingWithWaitReturnsAfterTheWholeSoundThenPauses)
{
    const std::size_t length = Rate / 5;
    const QString path = rig.file(QStringLiteral("a.wav"), levelWav(0.2, 0.5f, 0.5f));
    std::atomic<bool> done{false};
    std::atomic<std::size_t> audible{0};
    constexpr int Block = 256;
    std::thread device([&] {
        while (!done)
            audible += Pcm{rig.device().pull(Block)}.audibleFrames();
    });
    const QStringList sent = logAfter([&] { snd.PlaySoundFile(path, QStringLiteral("S3"), -1, 120); });
    const std::size_t audibleAtReturn = audible;
    done = true;
    device.join();
    EXPECT_EQ(sent, QStringList({"close 731S3", "open \"" + path + "\" type waveaudio alias 731S3 wait",
                                 "play 731S3 from 0 wait"}));
    EXPECT_GE(audibleAtReturn + Block, length);
    EXPECT_EQ(audible.load(), length);
    EXPECT_EQ(sleeps, std::vector<int>({120}));

    // A negative pause is no pause rather than an endless one.
    std::atomic<bool> returned{false};
    std::thread again([&] {
        while (!returned)
            rig.device().pull(Block);
    });
    snd.PlaySoundFile(path, QStringLiteral("S3"), 1, -1);
    returned = true;
    again.join();
    EXPECT_EQ(sleeps.back(), 0);
}

TEST_F(SoundApiWithMidi, TheLastThreeLettersChooseTheKindOfSound)
{
    const QByteArray wav = levelWav(0.05, 0.5f, 0.5f);
    for (const char *name : {"lower.wav", "Mixed.Wav", "UPPER.WAV"}) {
        const QString path = rig.file(QString::fromLatin1(name), wav);
        const QStringList sent = logAfter([&] { snd.PlaySoundFile(path, QStringLiteral("S1"), 0, 0); });
        ASSERT_EQ(sent.size(), 4) << name;
        EXPECT_TRUE(sent[1].endsWith(" type waveaudio alias 731S1 wait")) << name;
        EXPECT_GT(rig.pullUntilEnded(QStringLiteral("731S1")).peak(), 0.4f) << name;
    }
    const QString mid = rig.file(QStringLiteral("chime.mid"), midiBytes({{0, 200, 72}}));
    const QStringList sent = logAfter([&] { snd.PlaySoundFile(mid, QStringLiteral("S1"), 0, 0); });
    ASSERT_EQ(sent.size(), 4);
    EXPECT_TRUE(sent[1].endsWith(" type sequencer alias 731S1 wait"));
    EXPECT_GT(rig.pullUntilEnded(QStringLiteral("731S1")).peak(), 0.05f);
}

TEST_F(SoundApi, OtherEndingsPlayNothingButStillCloseTheChannel)
{
    const QString playing = rig.file(QStringLiteral("long.wav"), levelWav(2.0, 0.5f, 0.5f));
    for (const char *name : {"song.midi", "song.mp3"}) {
        snd.PlaySoundFile(playing, QStringLiteral("S1"), 0, 0);
        EXPECT_GT(rig.pull(0.01).peak(), 0.4f);
        const QString other = rig.file(QString::fromLatin1(name), midiBytes({{0, 200, 72}}));
        EXPECT_EQ(logAfter([&] { snd.PlaySoundFile(other, QStringLiteral("S1"), 0, 0); }),
                  QStringList({"close 731S1"}))
            << name;
        EXPECT_EQ(rig.pull(0.05).peak(), 0.0f) << name;
    }
}

TEST_F(SoundApi, AMissingFileSendsNothingAndThePreviousSoundGoesOn)
{
    const QString playing = rig.file(QStringLiteral("long.wav"), levelWav(2.0, 0.5f, 0.5f));
    snd.PlaySoundFile(playing, QStringLiteral("S1"), 0, 0);
    const QString gone = rig.file(QStringLiteral("gone.wav"), levelWav(0.1, 0.5f, 0.5f));
    QFile::remove(gone);
    for (const QString &path : {gone, QString(), rig.path(QString())}) {
        EXPECT_TRUE(logAfter([&] { snd.PlaySoundFile(path, QStringLiteral("S1"), -1, 0); }).isEmpty())
            << path.toStdString();
    }
    EXPECT_TRUE(sleeps.size() == 1); // only the first play's
    EXPECT_GT(rig.pull(0.05).peak(), 0.4f);
}

TEST_F(SoundApi, AFileNameWithAQuoteIsRefused)
{
    const QString quoted = rig.file(QStringLiteral("a\" type sequencer alias 731S4 wait \"b.wav"),
                                    levelWav(0.1, 0.5f, 0.5f));
    ASSERT_TRUE(QFileInfo(quoted).isFile());
    EXPECT_TRUE(logAfter([&] { snd.PlaySoundFile(quoted, QStringLiteral("S1"), 0, 0); }).isEmpty());
    EXPECT_EQ(rig.pull(0.05).peak(), 0.0f);
}

TEST_F(SoundApi, NamesWithBlanksAndJapanesePlay)
{
    for (const QString &name : {QStringLiteral("bus stop chime.wav"), QStringLiteral("次は 駅前.wav")}) {
        const QString path = rig.file(name, levelWav(0.05, 0.5f, 0.5f));
        snd.PlaySoundFile(path, QStringLiteral("S1"), 0, 0);
        EXPECT_EQ(rig.pullUntilEnded(QStringLiteral("731S1")).audibleFrames(), std::size_t(Rate / 20))
            << name.toStdString();
    }
}

TEST_F(SoundApi, TwoKeysInQuickSuccessionRestartTheSound)
{
    const QString path = rig.file(QStringLiteral("ramp.wav"), wavBytes(ramp(Rate, 0.1f, 0.6f), 1, Rate));
    snd.PlaySoundFile(path, QStringLiteral("S1"), 0, 0);
    const Pcm first = rig.pull(0.3);
    EXPECT_NEAR(first.left(first.frames() - 1), 0.25f, 0.01f);
    snd.PlaySoundFile(path, QStringLiteral("S1"), 0, 0);
    EXPECT_NEAR(rig.pull(0.01).left(0), 0.1f, 0.001f);
}

TEST_F(SoundApi, SoundsOnDifferentChannelsOverlap)
{
    // A data-forward sound on S2 goes on while the pre-broadcast sound starts on S3.
    snd.PlaySoundFile(rig.file(QStringLiteral("step.wav"), levelWav(0.3, 0.4f, 0.0f)), QStringLiteral("S2"), 0, 0);
    rig.pull(0.1);
    snd.PlaySoundFile(rig.file(QStringLiteral("pre.wav"), levelWav(0.3, 0.0f, 0.3f)), QStringLiteral("S3"), 0, 0);
    const Pcm both = rig.pull(0.1);
    EXPECT_NEAR(both.left(50), 0.4f, 1e-3f);
    EXPECT_NEAR(both.right(50), 0.3f, 1e-3f);
}

TEST_F(SoundApi, BrokenFilesPlayNothing)
{
    const QByteArray noise(3000, '\x5a');
    for (const char *name : {"noise.wav", "noise.mid", "cut.wav", "cut.mid"}) {
        QByteArray bytes = noise;
        if (QByteArray(name) == "cut.wav")
            bytes = levelWav(0.1, 0.5f, 0.5f).left(30);
        else if (QByteArray(name) == "cut.mid")
            bytes = midiBytes({{0, 200, 72}}).left(25);
        snd.PlaySoundFile(rig.file(QString::fromLatin1(name), bytes), QStringLiteral("S1"), 0, 0);
        EXPECT_EQ(rig.pullUntilEnded(QStringLiteral("731S1"), 2.0).peak(), 0.0f) << name;
    }
}
