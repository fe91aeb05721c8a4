#include "SoundRig.h"

#include "audio/MciCommand.h"
#include "audio/MediaControl.h"
#include "audio/SdlAudioDevice.h"
#include "audio/StandardMidiFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <random>
#include <thread>

using audio::MciCommand;
using audio::MediaControl;
using namespace testsupport;

namespace {

constexpr int Rate = audio::AudioFormat::SampleRate;

QByteArray levelWav(double seconds, float left, float right, int rate = Rate,
                    WavFormat format = WavFormat::S16)
{
    std::vector<float> s;
    for (int i = 0; i < int(seconds * rate); ++i) {
        s.push_back(left);
        s.push_back(right);
    }
    return wavBytes(s, 2, rate, format);
}

QByteArray toneWav(double seconds, double hz = 440.0, float amplitude = 0.5f)
{
    return wavBytes(sine(seconds, hz, Rate, amplitude), 1, Rate);
}

// A short piano phrase: three notes in 0.4 s, then nothing until the end of the track.
QByteArray phraseMidi(int endTick = -1)
{
    return midiBytes({{0, 120, 60}, {120, 120, 64}, {240, 144, 67}}, 0, endTick);
}

int openAndPlay(SoundRig &rig, const QString &path, const char *type, const QString &alias)
{
    const int opened = rig.mci().sendString(QStringLiteral("open \"%1\" type %2 alias %3 wait")
                                                .arg(path, QLatin1String(type), alias));
    rig.mci().sendString(QStringLiteral("play %1 from 0").arg(alias));
    return opened;
}

std::vector<char> randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<char> v(n);
    for (char &c : v)
        c = char(random());
    return v;
}

} // namespace

// ---- The command strings ------------------------------------------------------------------

TEST(MciCommand, ReadsTheCommandsSoundsAreSentWith)
{
    auto open = MciCommand::parse(QStringLiteral("open \"/home/a b/音.wav\" type waveaudio alias 731S1 wait"));
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, MciCommand::Verb::Open);
    EXPECT_EQ(open->target, QStringLiteral("/home/a b/音.wav"));
    EXPECT_EQ(open->type, MciCommand::DeviceType::WaveAudio);
    EXPECT_EQ(open->alias, QStringLiteral("731S1"));
    EXPECT_TRUE(open->wait);

    auto seq = MciCommand::parse(QStringLiteral("OPEN \"x.mid\" TYPE Sequencer ALIAS 731S2 wait"));
    ASSERT_TRUE(seq);
    EXPECT_EQ(seq->type, MciCommand::DeviceType::Sequencer);

    auto playWait = MciCommand::parse(QStringLiteral("play 731S1 from 0 wait"));
    ASSERT_TRUE(playWait);
    EXPECT_EQ(playWait->verb, MciCommand::Verb::Play);
    EXPECT_EQ(playWait->target, QStringLiteral("731S1"));
    EXPECT_EQ(playWait->fromMs, 0);
    EXPECT_TRUE(playWait->wait);

    auto play = MciCommand::parse(QStringLiteral("play 731S1 from 0"));
    ASSERT_TRUE(play);
    EXPECT_FALSE(play->wait);
    EXPECT_EQ(MciCommand::parse(QStringLiteral("stop 731S1"))->verb, MciCommand::Verb::Stop);
    EXPECT_EQ(MciCommand::parse(QStringLiteral("close 731S1"))->verb, MciCommand::Verb::Close);
}

TEST(MciCommand, RefusesWhatItDoesNotKnow)
{
    for (const char *bad : {"", "open", "rewind 731S1", "play", "play 731S1 from", "play 731S1 from -5",
                            "play 731S1 from soon", "play 731S1 wait wait", "stop 731S1 from 0",
                            "open \"x.wav\" type mp3 alias A", "open \"x.wav\" type waveaudio",
                            "open \"x.wav\" alias A", "open \"x.wav type waveaudio alias A",
                            "open \"\" type waveaudio alias A",
                            "open \"x.wav\" type waveaudio alias A wait extra"}) {
        EXPECT_FALSE(MciCommand::parse(QString::fromUtf8(bad))) << bad;
    }
}

TEST(MciCommand, AQuoteInsideAFileNameCannotAddWordsOfItsOwn)
{
    // A file name `a" type sequencer alias B wait "b.wav` pasted between quotes.
    const QString smuggled = QStringLiteral(
        "open \"/tmp/a\" type sequencer alias B wait \"b.wav\" type waveaudio alias 731S1 wait");
    EXPECT_FALSE(MciCommand::parse(smuggled));
    EXPECT_FALSE(MciCommand::parse(QStringLiteral("open \"/tmp/a\"b.wav\" type waveaudio alias A wait")));
    EXPECT_FALSE(MciCommand::parse(QStringLiteral("open /tmp/a\"b.wav type waveaudio alias A wait")));
}

// ---- Wave files ---------------------------------------------------------------------------

TEST(MediaControlWave, PlaysEverySampleFormatAtItsLengthAndLevel)
{
    struct Case { WavFormat format; int rate; int channels; float tolerance; };
    const Case cases[] = {
        {WavFormat::U8, 44100, 1, 0.01f},    {WavFormat::S16, 44100, 2, 1e-4f},
        {WavFormat::S24, 48000, 2, 1e-3f},   {WavFormat::S32, 22050, 1, 1e-3f},
        {WavFormat::Float32, 8000, 2, 1e-3f}, {WavFormat::S16, 11025, 2, 1e-3f},
    };
    for (const Case &c : cases) {
        SoundRig rig;
        const double seconds = 0.1;
        std::vector<float> samples;
        for (int i = 0; i < int(seconds * c.rate); ++i) {
            samples.push_back(0.5f);
            if (c.channels == 2)
                samples.push_back(-0.25f);
        }
        const QString path = rig.file(QStringLiteral("level.wav"), wavBytes(samples, c.channels, c.rate, c.format));
        ASSERT_EQ(openAndPlay(rig, path, "waveaudio", QStringLiteral("A")), MediaControl::Ok);
        const Pcm out = rig.pullUntilEnded(QStringLiteral("A"));
        const std::size_t expected = std::size_t(seconds * Rate);
        SCOPED_TRACE(::testing::Message() << int(c.format) << " " << c.rate << " Hz " << c.channels << " ch");
        EXPECT_NEAR(double(out.audibleFrames()), double(expected), 2.0);
        const std::size_t middle = expected / 2;
        EXPECT_NEAR(out.left(middle), 0.5f, c.tolerance);
        EXPECT_NEAR(out.right(middle), c.channels == 2 ? -0.25f : 0.5f, c.tolerance);
    }
}

TEST(MediaControlWave, FileNamesWithBlanksAndJapanesePlay)
{
    SoundRig rig;
    for (const QString &name : {QStringLiteral("two words.wav"), QStringLiteral("次は 停留所.wav")}) {
        const QString path = rig.file(name, toneWav(0.05));
        EXPECT_EQ(openAndPlay(rig, path, "waveaudio", QStringLiteral("A")), MediaControl::Ok) << name.toStdString();
        EXPECT_GT(rig.pullUntilEnded(QStringLiteral("A")).peak(), 0.4f) << name.toStdString();
        rig.mci().sendString(QStringLiteral("close A"));
    }
}

TEST(MediaControlWave, BrokenFilesPlayNothing)
{
    SoundRig rig;
    const QByteArray good = toneWav(0.2);
    std::vector<float> notNumbers(200, std::numeric_limits<float>::quiet_NaN());
    const auto noise = randomBytes(4000, 1);
    const QByteArray broken[] = {
        good.left(20),                                     // cut inside the header
        good.left(43),                                     // cut just before the first sample
        QByteArray(noise.data(), qsizetype(noise.size())), // random bytes
        QByteArray("RIFF\xff\xff\xff\xffWAVEfmt ", 16) + QByteArray(noise.data(), 500),
        QByteArray(),
    };
    for (const QByteArray &bytes : broken) {
        const QString path = rig.file(QStringLiteral("broken.wav"), bytes);
        const int opened = openAndPlay(rig, path, "waveaudio", QStringLiteral("A"));
        EXPECT_EQ(rig.pullUntilEnded(QStringLiteral("A")).peak(), 0.0f) << bytes.size() << " bytes";
        EXPECT_EQ(opened == MediaControl::Ok, rig.mci().isOpen(QStringLiteral("A")));
        rig.mci().sendString(QStringLiteral("close A"));
    }
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("open \"%1\" type waveaudio alias A")
                                       .arg(rig.file(QStringLiteral("noise.wav"), broken[2]))),
              MediaControl::InvalidFile);
    // Values that are not numbers are silence, not poison for the whole mix.
    const QString nan = rig.file(QStringLiteral("nan.wav"), wavBytes(notNumbers, 1, Rate, WavFormat::Float32));
    openAndPlay(rig, nan, "waveaudio", QStringLiteral("A"));
    EXPECT_EQ(rig.pullUntilEnded(QStringLiteral("A")).peak(), 0.0f);
}

TEST(MediaControlWave, AWaveFileCutInItsDataPlaysWhatIsThere)
{
    SoundRig rig;
    const QByteArray whole = levelWav(0.2, 0.5f, 0.5f);
    const QString path = rig.file(QStringLiteral("cut.wav"), whole.left(44 + 4 * 2205));
    ASSERT_EQ(openAndPlay(rig, path, "waveaudio", QStringLiteral("A")), MediaControl::Ok);
    EXPECT_EQ(rig.pullUntilEnded(QStringLiteral("A")).audibleFrames(), 2205u);
}

// The loader holds after its first block of a 30 s 22.05 kHz file until the test lets it go
// on: the sound is heard meanwhile, a play that waits does not end early, and once decoded the
// sound has its whole length.
TEST(MediaControlWave, ALongFileStartsPlayingBeforeItIsDecodedWhole)
{
    SoundRig rig;
    std::mutex mutex;
    std::condition_variable changed;
    int blocks = 0;
    std::size_t firstBlock = 0;
    bool goOn = false;
    rig.mci().setWaveBlockHook([&](const audio::PcmBuffer &sound) {
        std::unique_lock lock(mutex);
        if (++blocks == 1)
            firstBlock = sound.available();
        changed.notify_all();
        changed.wait(lock, [&] { return goOn; });
    });
    const double seconds = 30.0;
    const QString path = rig.file(QStringLiteral("long.wav"), wavBytes(sine(seconds, 440.0, 22050, 0.5f), 1, 22050));
    ASSERT_EQ(rig.mci().sendString(QStringLiteral("open \"%1\" type waveaudio alias A wait").arg(path)), MediaControl::Ok);
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return blocks == 1; });
    }
    auto played = std::async(std::launch::async, [&] { return rig.mci().sendString(QStringLiteral("play A from 0 wait")); });
    while (!rig.mci().isPlaying(QStringLiteral("A")))
        std::this_thread::yield();
    ASSERT_GT(firstBlock, 0u);
    ASSERT_LT(firstBlock, std::size_t(Rate / 2));
    const Pcm first{rig.device().pull(int(firstBlock))};
    EXPECT_GT(first.peak(), 0.45f);
    EXPECT_FALSE(rig.mci().isLoaded(QStringLiteral("A")));
    // Played past its first block, the sound waits for the rest instead of ending.
    const Pcm beyond{rig.device().pull(Rate / 2)};
    EXPECT_EQ(beyond.peak(), 0.0f);
    EXPECT_EQ(played.wait_for(std::chrono::milliseconds(20)), std::future_status::timeout);
    {
        std::lock_guard lock(mutex);
        EXPECT_EQ(blocks, 1);
        goOn = true;
        changed.notify_all();
    }
    rig.waitUntilLoaded();
    EXPECT_GT(Pcm{rig.device().pull(Rate / 10)}.peak(), 0.45f);
    std::size_t mixed = firstBlock + Rate / 10;
    while (played.wait_for(std::chrono::milliseconds(0)) == std::future_status::timeout)
        mixed += Pcm{rig.device().pull(Rate)}.frames();
    EXPECT_EQ(played.get(), MediaControl::Ok);
    EXPECT_GE(mixed, std::size_t(seconds * Rate));
    rig.mci().setWaveBlockHook({});
}

// ---- MIDI files ---------------------------------------------------------------------------

TEST(MediaControlMidi, RendersAudibleMusicThatEndsWithTheLastNote)
{
    SoundRig rig(true);
    // The track runs on for three silent seconds after the last note.
    const QString path = rig.file(QStringLiteral("phrase.mid"), phraseMidi(960 * 3 + 384));
    ASSERT_EQ(openAndPlay(rig, path, "sequencer", QStringLiteral("M")), MediaControl::Ok);
    const Pcm out = rig.pullUntilEnded(QStringLiteral("M"), 10.0);
    EXPECT_GT(out.peak(), 0.05f);
    EXPECT_LT(out.firstAudible(), std::size_t(Rate / 50));
    EXPECT_FALSE(rig.mci().isPlaying(QStringLiteral("M")));
    // The notes end at 0.4 s; the release rings on a little, the silence is not played.
    EXPECT_GT(out.lastAudible(), std::size_t(Rate * 0.35));
    EXPECT_LT(out.frames(), std::size_t(Rate * 2.5));
}

TEST(MediaControlMidi, BrokenFilesPlayNothing)
{
    SoundRig rig(true);
    const QByteArray good = phraseMidi();
    const auto noise = randomBytes(3000, 2);
    const QByteArray broken[] = {
        QByteArray(noise.data(), qsizetype(noise.size())),
        QByteArray("MThd") + QByteArray(noise.data(), 200),
        good.left(10),
        good.left(22),
        good.left(good.size() / 2),
        good.left(good.size() - 3),
        QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\0MTrk\x7f\xff\xff\xff", 22),
    };
    for (const QByteArray &bytes : broken) {
        const QString path = rig.file(QStringLiteral("broken.mid"), bytes);
        openAndPlay(rig, path, "sequencer", QStringLiteral("M"));
        const Pcm out = rig.pullUntilEnded(QStringLiteral("M"), 3.0);
        EXPECT_LT(out.frames(), std::size_t(3 * Rate)) << "a broken file must end";
        rig.mci().sendString(QStringLiteral("close M"));
    }
    // A wave file is no sequencer file.
    const QString wav = rig.file(QStringLiteral("tone.wav"), toneWav(0.1));
    EXPECT_NE(openAndPlay(rig, wav, "sequencer", QStringLiteral("M")), MediaControl::Ok);
}

// What the synthesizer is handed: files whose every byte is accounted for. Its reader trusts
// chunk lengths, and this file, found by fuzzing, kept it reading the same four bytes for ever:
// a chunk "MTr\0" of length -4 where the track should be.
TEST(MediaControlMidi, OnlyWellFormedFilesReachTheSynthesizer)
{
    using audio::StandardMidiFile;
    const QByteArray fuzzed = QByteArray::fromHex("4d546864001702060000000100604d547200fffffffc0000002b008c"
                                                  "6460803c0000ff2f00");
    const QByteArray good = phraseMidi();
    const QByteArray track = good.mid(14); // "MTrk", length, events
    const auto withTracks = [&](int declared, const QByteArray &rest) {
        QByteArray b = good.left(14);
        b[10] = char(declared >> 8);
        b[11] = char(declared & 0xFF);
        return b + rest;
    };
    const auto chunk = [](const char *name, const QByteArray &data) {
        QByteArray b(name, 4);
        for (int shift : {24, 16, 8, 0})
            b.append(char(data.size() >> shift));
        return b + data;
    };
    QByteArray rmid = QByteArray("RMID") + chunk("data", good);
    rmid.append("LIST").append(QByteArray("\x04\0\0\0INFO", 8)); // little-endian length
    rmid = QByteArray("RIFF") + QByteArray("\0\0\0\0", 4) + rmid;
    const QByteArray events = track.mid(8);

    for (const QByteArray &bytes : {good, withTracks(2, track + track), rmid,
                                    withTracks(1, track + chunk("XFIH", "xf")), // never read
                                    withTracks(1, chunk("MTrk", events + QByteArray(5, '\0')))}) // padding after the end
        EXPECT_FALSE(StandardMidiFile::extract(bytes).isEmpty()) << bytes.toHex().toStdString();

    for (const QByteArray &bytes : {
             fuzzed,
             withTracks(1, chunk("XFIH", "xf") + track),                 // another chunk first
             withTracks(2, track + chunk("XFIH", "xf")),                 // read as the second track
             withTracks(300, track + QByteArray("\0\0\0\0\xff\xff\xff\xfc", 8)), // count read past the tracks
             withTracks(1, chunk("MTrk", events.left(events.size() - 2))),  // an event cut by its track
             withTracks(1, chunk("MTrk", QByteArray("\0\xff\x01\x05" "ab", 6))), // text longer than the track
             withTracks(1, chunk("MTrk", QByteArray("\0\xff\x01\x00\0\x40\x40", 7))), // running status after meta
             good.left(good.size() - 1), good.left(13)})
        EXPECT_TRUE(StandardMidiFile::extract(bytes).isEmpty()) << bytes.toHex().toStdString();

    // The file opens as nothing, and the next file still plays.
    SoundRig rig(true);
    EXPECT_EQ(openAndPlay(rig, rig.file(QStringLiteral("fuzzed.mid"), fuzzed), "sequencer", QStringLiteral("F")),
              MediaControl::InvalidFile);
    ASSERT_EQ(openAndPlay(rig, rig.file(QStringLiteral("good.mid"), good), "sequencer", QStringLiteral("M")),
              MediaControl::Ok);
    EXPECT_GT(rig.pullUntilEnded(QStringLiteral("M")).peak(), 0.05f);
}

TEST(MediaControlMidi, WithoutItsSoundFontMidiIsSilent)
{
    auto device = std::make_unique<audio::PullAudioDevice>();
    auto *pull = device.get();
    MediaControl mci(std::move(device), {QStringLiteral("/nonexistent/none.sf2"), true});
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("a.mid")), phraseMidi());
    mci.sendString(QStringLiteral("open \"%1\" type sequencer alias M wait").arg(dir.filePath(QStringLiteral("a.mid"))));
    // The sound is over before it starts, whether or not anything is mixing.
    mci.sendString(QStringLiteral("play M from 0"));
    EXPECT_FALSE(mci.isPlaying(QStringLiteral("M")));
    auto waited = std::async(std::launch::async, [&] { return mci.sendString(QStringLiteral("play M from 0 wait")); });
    if (waited.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "a play that waits did not return";
        mci.sendString(QStringLiteral("close M"));
    }
    EXPECT_EQ(waited.get(), MediaControl::Ok);
    EXPECT_FALSE(mci.midiRenderer().waitUntilReady());
    EXPECT_EQ(Pcm{pull->pull(4410)}.peak(), 0.0f);
    EXPECT_EQ(Pcm{pull->pull(4410)}.peak(), 0.0f);
    EXPECT_FALSE(mci.isPlaying(QStringLiteral("M")));
}

TEST(MediaControlMidi, AnEndlessPauseDoesNotKeepTheSoundGoing)
{
    SoundRig rig(true);
    // The end of the track comes an hour after the only note.
    const QString path = rig.file(QStringLiteral("pause.mid"), midiBytes({{0, 96, 72}}, 0, 960 * 3600));
    ASSERT_EQ(openAndPlay(rig, path, "sequencer", QStringLiteral("M")), MediaControl::Ok);
    const Pcm out = rig.pullUntilEnded(QStringLiteral("M"), 10.0);
    EXPECT_GT(out.peak(), 0.05f);
    EXPECT_FALSE(rig.mci().isPlaying(QStringLiteral("M")));
    EXPECT_LT(out.frames(), std::size_t(Rate * 3));
}

// ---- Channels -----------------------------------------------------------------------------

TEST(MediaControlChannels, TwoAliasesSoundAtOnce)
{
    SoundRig rig;
    const QString left = rig.file(QStringLiteral("left.wav"), levelWav(0.2, 0.4f, 0.0f));
    const QString right = rig.file(QStringLiteral("right.wav"), levelWav(0.2, 0.0f, 0.3f));
    openAndPlay(rig, left, "waveaudio", QStringLiteral("S1"));
    rig.pull(0.05);
    openAndPlay(rig, right, "waveaudio", QStringLiteral("S2"));
    const Pcm both = rig.pull(0.05);
    EXPECT_NEAR(both.left(100), 0.4f, 1e-3f);
    EXPECT_NEAR(both.right(100), 0.3f, 1e-3f);
}

TEST(MediaControlChannels, PlayingAgainStartsFromTheBeginning)
{
    SoundRig rig;
    const auto rising = ramp(Rate, 0.1f, 0.6f);
    const QString path = rig.file(QStringLiteral("ramp.wav"), wavBytes(rising, 1, Rate));
    openAndPlay(rig, path, "waveaudio", QStringLiteral("A"));
    const Pcm first = rig.pull(0.5);
    EXPECT_NEAR(first.left(first.frames() - 1), 0.35f, 0.01f);
    rig.mci().sendString(QStringLiteral("play A from 0"));
    const Pcm again = rig.pull(0.01);
    EXPECT_NEAR(again.left(0), 0.1f, 0.001f);
}

TEST(MediaControlChannels, StopHoldsThePlaceAndCloseSilences)
{
    SoundRig rig;
    const QString path = rig.file(QStringLiteral("ramp.wav"), wavBytes(ramp(Rate, 0.1f, 0.6f), 1, Rate));
    openAndPlay(rig, path, "waveaudio", QStringLiteral("A"));
    rig.pull(0.5);
    rig.mci().sendString(QStringLiteral("stop A"));
    EXPECT_EQ(rig.pull(0.1).peak(), 0.0f);
    rig.mci().sendString(QStringLiteral("play A"));
    EXPECT_NEAR(rig.pull(0.01).left(0), 0.35f, 0.01f);

    rig.mci().sendString(QStringLiteral("close A"));
    EXPECT_EQ(rig.pull(0.1).peak(), 0.0f);
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("play A from 0")), MediaControl::UnknownAlias);
    EXPECT_EQ(rig.pull(0.1).peak(), 0.0f);
}

TEST(MediaControlChannels, LoudSoundsTogetherDoNotClip)
{
    SoundRig rig;
    const QString loud = rig.file(QStringLiteral("loud.wav"), levelWav(0.1, 0.9f, -0.9f));
    openAndPlay(rig, loud, "waveaudio", QStringLiteral("A"));
    openAndPlay(rig, loud, "waveaudio", QStringLiteral("B"));
    const Pcm out = rig.pull(0.05);
    EXPECT_LT(out.peak(), 1.0f);
    EXPECT_GT(out.left(10), 0.9f);
    EXPECT_LT(out.right(10), -0.9f);
}

TEST(MediaControlChannels, UnknownCommandsAndAliasesChangeNothing)
{
    SoundRig rig;
    const QString path = rig.file(QStringLiteral("t.wav"), toneWav(1.0));
    openAndPlay(rig, path, "waveaudio", QStringLiteral("A"));
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("rewind A")), MediaControl::UnrecognizedCommand);
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("stop B")), MediaControl::UnknownAlias);
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("close B")), MediaControl::UnknownAlias);
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("open \"%1\" type waveaudio alias a wait").arg(path)),
              MediaControl::AliasInUse);
    EXPECT_EQ(rig.mci().sendString(QStringLiteral("open \"%1/none.wav\" type waveaudio alias C wait")
                                       .arg(rig.path(QString()))),
              MediaControl::FileNotReadable);
    EXPECT_TRUE(rig.mci().isPlaying(QStringLiteral("A")));
    EXPECT_GT(rig.pull(0.05).peak(), 0.4f);

    EXPECT_EQ(rig.mci().commandLog().first(), QStringLiteral("open \"%1\" type waveaudio alias A wait").arg(path));
    EXPECT_EQ(rig.mci().commandLog().at(2), QStringLiteral("rewind A"));

    EXPECT_EQ(rig.mci().sendString(QStringLiteral("close all")), MediaControl::Ok);
    EXPECT_FALSE(rig.mci().isOpen(QStringLiteral("A")));
}

// ---- Waiting ------------------------------------------------------------------------------

TEST(MediaControlWait, PlayWithWaitReturnsOnceTheWholeSoundIsMixed)
{
    SoundRig rig;
    const std::size_t length = Rate / 5;
    const QString path = rig.file(QStringLiteral("level.wav"), levelWav(0.2, 0.5f, 0.5f));
    rig.mci().sendString(QStringLiteral("open \"%1\" type waveaudio alias A wait").arg(path));

    std::atomic<bool> done{false};
    std::atomic<std::size_t> audible{0};
    constexpr int Block = 256;
    std::thread device([&] {
        while (!done) {
            const Pcm block{rig.device().pull(Block)};
            audible += block.audibleFrames();
        }
    });
    rig.mci().sendString(QStringLiteral("play A from 0 wait"));
    const std::size_t audibleAtReturn = audible;
    done = true;
    device.join();
    // The block that ended the sound may still be on its way into the count.
    EXPECT_GE(audibleAtReturn + Block, length);
    EXPECT_EQ(audible.load(), length);
}

TEST(MediaControlWait, TheSoundCardWaitsInRealTimeAndFallsBackToTheSilentDriver)
{
    // No such output: the silent driver takes its place and waits still last.
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    MediaControl mci(nullptr, {QString(), false});
    qputenv("SDL_AUDIODRIVER", "dummy");
    ASSERT_TRUE(mci.mixer().isRunning());
    EXPECT_EQ(mci.mixer().driverName(), QStringLiteral("dummy"));

    std::atomic<std::size_t> audible{0};
    mci.mixer().setMixObserver([&](const float *mixed, int frames) {
        audible += Pcm{std::vector<float>(mixed, mixed + 2 * frames)}.audibleFrames();
    });
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.wav"));
    writeFile(path, levelWav(0.15, 0.5f, 0.5f));
    const auto start = std::chrono::steady_clock::now();
    mci.sendString(QStringLiteral("open \"%1\" type waveaudio alias A wait").arg(path));
    mci.sendString(QStringLiteral("play A from 0 wait"));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(audible.load() + 2048, std::size_t(0.15 * Rate));
    EXPECT_GE(waited, std::chrono::milliseconds(100)); // played at the pace of real time
    mci.mixer().setMixObserver({});
}

// ---- Streams ------------------------------------------------------------------------------

TEST(MediaControlStream, PlaysPushedSamplesAndTellsWhenDrained)
{
    SoundRig rig;
    auto stream = rig.mci().mixer().openStream(22050, 1);
    EXPECT_TRUE(stream->isDrained());
    const std::vector<std::int16_t> voice(2205, 16384); // 0.1 s at half scale
    stream->push(voice.data(), 1000);
    stream->push(voice.data() + 1000, voice.size() - 1000);
    EXPECT_FALSE(stream->isDrained());
    stream->endOfInput();
    EXPECT_FALSE(stream->isDrained());
    const Pcm out = rig.pull(0.2);
    EXPECT_NEAR(double(out.audibleFrames()), 4410.0, 2.0);
    EXPECT_NEAR(out.left(2000), 0.5f, 1e-3f);
    EXPECT_NEAR(out.right(2000), 0.5f, 1e-3f);
    EXPECT_TRUE(stream->isDrained());
    EXPECT_TRUE(stream->waitDrained(std::chrono::milliseconds(0)));
}

TEST(MediaControlStream, StopSilencesAtOnceAndReleasesAWaiter)
{
    SoundRig rig;
    auto stream = rig.mci().mixer().openStream(Rate, 2);
    const std::vector<float> long_(2 * Rate, 0.5f);
    stream->push(long_.data(), Rate);
    EXPECT_GT(rig.pull(0.1).peak(), 0.4f);

    std::atomic<bool> released{false};
    std::thread waiter([&] { released = stream->waitDrained(std::chrono::seconds(10)); });
    stream->stop();
    waiter.join();
    EXPECT_TRUE(released);
    EXPECT_EQ(rig.pull(0.1).peak(), 0.0f);

    // A stream plays along with the voices, and a closed one no more.
    stream->push(long_.data(), Rate);
    rig.mci().mixer().closeStream(stream);
    EXPECT_EQ(rig.pull(0.1).peak(), 0.0f);
}
