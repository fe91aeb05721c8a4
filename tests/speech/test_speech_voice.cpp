#include "base/MemoryPcmSink.h"
#include "speech/SpeechVoice.h"
#include "SpeechTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include <QDir>
#include <QFileInfo>

using base::MemoryPcmSink;
using speech::SpeechVoice;
using speech::TextToSpeech;
using speech::VoiceSettings;

namespace {

const QString Announcement = QStringLiteral("次は、市役所前です。お降りの方はお知らせください。");

// Speaks `text` to the end and returns the samples.
std::vector<int16_t> spokenSamples(const QString &text, const VoiceSettings &settings = {})
{
    MemoryPcmSink sink;
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    if (!voice)
        return {};
    voice->setSettings(settings);
    voice->speak(text);
    speechtest::waitForState(*voice, TextToSpeech::Idle);
    return sink.samples();
}

// A sink whose pushes wait until the test opens the gate, as a stuck sound device would.
class GatedSink final : public base::PcmSink
{
public:
    void push(const int16_t *, int frames, int, int) override
    {
        std::unique_lock lock(m_mutex);
        ++m_pushesStarted;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
        m_frames += frames;
    }
    void flush() override {}
    bool drained() const override { return true; }
    void open()
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    bool waitForPush(int timeoutMs)
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_pushesStarted > 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
    int m_pushesStarted = 0;
    long m_frames = 0;
};

// A sink still playing what it was given until the test says it is done.
class PlayingSink final : public base::PcmSink
{
public:
    void push(const int16_t *, int, int, int) override { ++m_pushes; }
    void flush() override { m_finished = true; }
    bool drained() const override { return m_pushes == 0 || m_finished; }
    void finishPlaying() { m_finished = true; }

private:
    std::atomic<int> m_pushes{0};
    std::atomic<bool> m_finished{false};
};

// The system's voice data copied into `dir`, without the Japanese dictionary when asked.
QString copyOfVoiceData(const QTemporaryDir &dir, bool withJapaneseDictionary)
{
    const QString from = QStringLiteral("/usr/lib/x86_64-linux-gnu/espeak-ng-data");
    const QString to = dir.filePath(QStringLiteral("espeak-ng-data"));
    const QStringList files = {QStringLiteral("phontab"), QStringLiteral("phonindex"), QStringLiteral("phondata"),
                               QStringLiteral("intonations"), QStringLiteral("en_dict"), QStringLiteral("ja_dict"),
                               QStringLiteral("lang/jpx/ja"), QStringLiteral("voices/!v/f1"), QStringLiteral("voices/!v/m1")};
    for (const QString &file : files) {
        if (!withJapaneseDictionary && file == QStringLiteral("ja_dict"))
            continue;
        QDir().mkpath(QFileInfo(to + u'/' + file).path());
        QFile::copy(from + u'/' + file, to + u'/' + file);
    }
    return dir.path();
}

} // namespace

TEST(SpeechVoice, SpeaksAnnouncementIntoTheSink)
{
    MemoryPcmSink sink;
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    EXPECT_EQ(voice->state(), TextToSpeech::Idle);
    voice->speak(Announcement);
    ASSERT_TRUE(sink.waitForSamples(1, 10000));
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));

    EXPECT_EQ(sink.sampleRate(), voice->sampleRate());
    EXPECT_EQ(sink.sampleRate(), 22050);
    EXPECT_EQ(sink.channels(), 1);
    // Several seconds of clearly audible voice.
    const std::vector<int16_t> samples = sink.samples();
    EXPECT_GT(samples.size(), size_t(2 * 22050));
    EXPECT_GT(speechtest::rms(samples), 500.0);
}

// The voice opens every utterance with silence; it is dropped before the sink, and nothing else
// is: the pause at the comma and the rest of the sentence come sample for sample.
TEST(SpeechVoice, DropsOnlyTheSilenceAnUtteranceOpensWith)
{
    MemoryPcmSink sink;
    std::vector<int16_t> untrimmed; // only the worker writes it while speaking
    SpeechVoice::Options options = speechtest::isolatedOptions();
    options.untrimmedSamples = [&](const int16_t *samples, int count) { untrimmed.insert(untrimmed.end(), samples, samples + count); };
    auto voice = SpeechVoice::create(sink, options);
    ASSERT_NE(voice, nullptr);
    for (const QString &text : {Announcement, QStringLiteral("終点です。")}) {
        sink.clear();
        voice->speak(text);
        ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
        const std::vector<int16_t> whole = std::exchange(untrimmed, {});
        const std::vector<int16_t> trimmed = sink.samples();
        ASSERT_FALSE(trimmed.empty());
        ASSERT_GT(whole.size(), trimmed.size());
        const size_t lead = whole.size() - trimmed.size();
        EXPECT_GT(lead, size_t(22050 / 100)) << "more than 10 ms of silence before the voice";
        EXPECT_TRUE(std::all_of(whole.begin(), whole.begin() + std::ptrdiff_t(lead), [](int16_t s) { return s == 0; }));
        EXPECT_NE(trimmed.front(), 0);
        EXPECT_TRUE(std::equal(trimmed.begin(), trimmed.end(), whole.begin() + std::ptrdiff_t(lead)));
        // Silence inside the sentence stays: the pause at the comma, 10 ms of zeros or more.
        if (text == Announcement) {
            EXPECT_NE(std::search_n(trimmed.begin(), trimmed.end(), 220, int16_t(0)), trimmed.end());
        }
    }
    // Spoken at volume 0 the utterance is silence throughout, and keeps its length.
    VoiceSettings mute;
    mute.volume = 0;
    voice->setSettings(mute);
    sink.clear();
    voice->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    const std::vector<int16_t> whole = std::exchange(untrimmed, {});
    EXPECT_GT(whole.size(), size_t(22050 / 2));
    EXPECT_EQ(sink.samples(), whole);
}

TEST(SpeechVoice, SpeakReturnsWhileTheVoiceGoesOn)
{
    GatedSink sink;
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    voice->speak(Announcement); // returns although the sink takes nothing yet
    ASSERT_TRUE(sink.waitForPush(10000));
    EXPECT_EQ(voice->state(), TextToSpeech::Speaking);
    sink.open();
    EXPECT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
}

TEST(SpeechVoice, StaysSpeakingUntilTheSinkHasPlayedEverything)
{
    PlayingSink sink;
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    voice->speak(QStringLiteral("終点です。"));
    // Synthesis ends long before playback would; the state follows playback.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(voice->state(), TextToSpeech::Speaking);
    sink.finishPlaying();
    EXPECT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
}

TEST(SpeechVoice, StopCutsTheSentenceOffAndFlushesTheSink)
{
    const size_t whole = spokenSamples(Announcement).size();
    ASSERT_GT(whole, 0u);

    MemoryPcmSink sink;
    sink.setPushDelayMs(5); // a sink that keeps pace with playback makes synthesis slow
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    voice->speak(Announcement);
    ASSERT_TRUE(sink.waitForSamples(1, 10000));
    voice->stop();
    const size_t atStop = sink.sampleCount();
    EXPECT_EQ(sink.flushCount(), 1);
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // Not one sample after the stop, and far less than the whole sentence.
    EXPECT_EQ(sink.sampleCount(), atStop);
    EXPECT_EQ(sink.samplesSinceFlush(), 0u);
    EXPECT_LT(atStop, whole / 2);
}

TEST(SpeechVoice, StopDropsWhatIsQueued)
{
    MemoryPcmSink sink;
    sink.setPushDelayMs(5);
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    voice->speak(Announcement);
    voice->speak(QStringLiteral("終点です。"));
    voice->speak(QStringLiteral("ご乗車ありがとうございました。"));
    ASSERT_TRUE(sink.waitForSamples(1, 10000));
    voice->stop();
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    EXPECT_EQ(sink.samplesSinceFlush(), 0u);

    // The component speaks again after a stop.
    sink.setPushDelayMs(0);
    voice->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    EXPECT_GT(sink.samplesSinceFlush(), 0u);
}

TEST(SpeechVoice, SettingsChangeHowItSounds)
{
    const std::vector<int16_t> normal = spokenSamples(Announcement);
    VoiceSettings fast;
    fast.rate = 300;
    VoiceSettings quiet;
    quiet.volume = 30;
    const std::vector<int16_t> faster = spokenSamples(Announcement, fast);
    const std::vector<int16_t> quieter = spokenSamples(Announcement, quiet);
    ASSERT_FALSE(normal.empty());
    EXPECT_LT(faster.size(), normal.size() * 3 / 4);
    EXPECT_LT(speechtest::peak(quieter), speechtest::peak(normal) / 2);
}

TEST(SpeechVoice, OffersTheJapaneseVoices)
{
    MemoryPcmSink sink;
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    const auto &voices = voice->voices();
    ASSERT_FALSE(voices.empty());
    EXPECT_EQ(voices.front().id, QStringLiteral("jpx/ja"));
    EXPECT_EQ(voices.front().name, QStringLiteral("日本語"));
    EXPECT_NE(std::find(voices.begin(), voices.end(), speech::VoiceChoice{QStringLiteral("jpx/ja+f1"), QStringLiteral("日本語 女声1")}),
              voices.end());

    // Every voice offered speaks.
    VoiceSettings settings;
    settings.voice = voices.back().id;
    voice->setSettings(settings);
    voice->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    EXPECT_GT(speechtest::rms(sink.samples()), 300.0);
}

TEST(SpeechVoice, FailedUtteranceReadsMinusOneUntilStopped)
{
    MemoryPcmSink sink;
    auto voice = SpeechVoice::create(sink, speechtest::isolatedOptions());
    ASSERT_NE(voice, nullptr);
    VoiceSettings missing;
    missing.voice = QStringLiteral("no-such-voice");
    voice->speakWith(QStringLiteral("終点です。"), missing);
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Failed));
    EXPECT_EQ(sink.sampleCount(), 0u);
    voice->stop();
    EXPECT_EQ(voice->state(), TextToSpeech::Idle);
    // The voice of the settings is untouched and still speaks.
    voice->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    EXPECT_GT(sink.sampleCount(), 0u);
}

TEST(SpeechVoice, CreationFailsWithoutDictionaryOrVoiceData)
{
    MemoryPcmSink sink;
    QTemporaryDir empty;

    auto noDictionary = speechtest::isolatedOptions();
    noDictionary.dictionaryDir = empty.path();
    EXPECT_EQ(SpeechVoice::create(sink, noDictionary), nullptr);

    auto noVoiceData = speechtest::isolatedOptions();
    noVoiceData.espeakDataDir = empty.path();
    EXPECT_EQ(SpeechVoice::create(sink, noVoiceData), nullptr);

    auto missingFolder = speechtest::isolatedOptions();
    missingFolder.espeakDataDir = empty.filePath(QStringLiteral("nowhere"));
    EXPECT_EQ(SpeechVoice::create(sink, missingFolder), nullptr);

    QTemporaryDir partial;
    auto noJapanese = speechtest::isolatedOptions();
    noJapanese.espeakDataDir = copyOfVoiceData(partial, false);
    EXPECT_EQ(SpeechVoice::create(sink, noJapanese), nullptr);

    // A complete copy elsewhere is as good as the system's data.
    QTemporaryDir complete;
    auto copied = speechtest::isolatedOptions();
    copied.espeakDataDir = copyOfVoiceData(complete, true);
    auto voice = SpeechVoice::create(sink, copied);
    ASSERT_NE(voice, nullptr);
    voice->speak(QStringLiteral("終点です。"));
    ASSERT_TRUE(speechtest::waitForState(*voice, TextToSpeech::Idle));
    EXPECT_GT(sink.sampleCount(), 0u);
}

TEST(SpeechVoice, SettingsDialogIsTheOneSuppliedWithOwnerAndTitle)
{
    MemoryPcmSink sink;
    auto options = speechtest::isolatedOptions();
    QString shownTitle;
    SpeechVoice *shownFor = nullptr;
    options.settingsDialog = [&](QWidget *, const QString &title, SpeechVoice &voice) {
        shownTitle = title;
        shownFor = &voice;
    };
    auto voice = SpeechVoice::create(sink, options);
    ASSERT_NE(voice, nullptr);
    voice->showSettings(nullptr, QStringLiteral("音声の調節"));
    EXPECT_EQ(shownTitle, QStringLiteral("音声の調節"));
    EXPECT_EQ(shownFor, voice.get());
}

TEST(SpeechVoice, UserReadingsFileIsRead)
{
    QTemporaryDir dir;
    auto options = speechtest::isolatedOptions();
    options.userReadingsFile = speechtest::writeFile(dir, QStringLiteral("r.txt"), QStringLiteral("東町\tヒガシマチ\n").toUtf8());
    MemoryPcmSink withFile;
    MemoryPcmSink without;
    auto a = SpeechVoice::create(withFile, options);
    auto b = SpeechVoice::create(without, speechtest::isolatedOptions());
    ASSERT_TRUE(a && b);
    a->speak(QStringLiteral("東町"));
    b->speak(QStringLiteral("東町"));
    ASSERT_TRUE(speechtest::waitForState(*a, TextToSpeech::Idle));
    ASSERT_TRUE(speechtest::waitForState(*b, TextToSpeech::Idle));
    // ヒガシマチ and アズママチ are voiced differently.
    EXPECT_NE(withFile.samples(), without.samples());
}

// The readings file of the route being announced has the last word over the user's own, and
// only while that route is loaded.
TEST(SpeechVoice, TheRoutesReadingsComeBeforeTheUsersOwn)
{
    QTemporaryDir dir;
    auto options = speechtest::isolatedOptions();
    options.userReadingsFile = speechtest::writeFile(dir, QStringLiteral("user.txt"),
                                                     QStringLiteral("東町\tアズマチョウ\n新川橋\tシンカワバシ\n").toUtf8());
    MemoryPcmSink sink;
    auto voice = SpeechVoice::create(sink, options);
    auto reader = speech::SpeechReader::create(QString::fromLatin1(speech::SpeechReader::DefaultDictionary));
    ASSERT_TRUE(voice && reader);
    const auto readNow = [&](const QString &text) {
        reader->setCorrections(voice->corrections());
        return reader->reading(text);
    };
    const QString text = QStringLiteral("東町、新川橋、お降りの方");
    EXPECT_EQ(readNow(text), QStringLiteral("アズマチョウ、シンカワバシ、オオリノカタ"));

    voice->setRouteReadings(
        speechtest::writeFile(dir, QStringLiteral("readings.txt"), QStringLiteral("東町\tヒガシマチ\n").toUtf8()));
    EXPECT_EQ(readNow(text), QStringLiteral("ヒガシマチ、シンカワバシ、オオリノカタ"));
    voice->setRouteReadings(dir.filePath(QStringLiteral("no-such-folder/readings.txt")));
    EXPECT_EQ(readNow(text), QStringLiteral("アズマチョウ、シンカワバシ、オオリノカタ"));
}

TEST(SpeechVoice, VoiceSettingsSurviveARestart)
{
    QTemporaryDir dir;
    auto options = speechtest::isolatedOptions();
    options.settingsFile = dir.filePath(QStringLiteral("harune/voice.conf"));
    MemoryPcmSink sink;
    VoiceSettings chosen;
    {
        auto first = SpeechVoice::create(sink, options);
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->settings(), VoiceSettings{}); // nothing kept yet
        ASSERT_GE(first->voices().size(), 2u);
        chosen = {first->voices()[1].id, 250, 30, 40};
        EXPECT_TRUE(first->setSettings(chosen));
    }
    auto second = SpeechVoice::create(sink, options);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->settings(), chosen);

    // A damaged file gives what can be read: numbers brought into range, an unknown voice
    // replaced by the first Japanese one, other lines passed over.
    speechtest::writeFile(dir, QStringLiteral("harune/voice.conf"),
                          "voice=no/such-voice\nrate=99999\npitch=-5\n\x01\xff garbage\nvolume=abc\n");
    auto third = SpeechVoice::create(sink, options);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->settings(), (VoiceSettings{QString(), VoiceSettings::MaxRate, VoiceSettings::MinPitch,
                                                VoiceSettings::DefaultVolume}));

    // Where nothing can be written the settings still hold for the run, and the caller hears
    // that they were not kept.
    auto blocked = speechtest::isolatedOptions();
    blocked.settingsFile = speechtest::writeFile(dir, QStringLiteral("a-file"), "x") + QStringLiteral("/voice.conf");
    auto fourth = SpeechVoice::create(sink, blocked);
    ASSERT_NE(fourth, nullptr);
    EXPECT_FALSE(fourth->setSettings(chosen));
    EXPECT_EQ(fourth->settings(), chosen);
}
