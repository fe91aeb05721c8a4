// How soon the voice is heard: the time from speak() to the first sample in the sink, and
// where that time goes (reading the text, synthesising a whole sentence).
#include "base/PcmSink.h"
#include "speech/SpeechReader.h"
#include "speech/SpeechVoice.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

const QString Announcement = QStringLiteral("次は、市役所前です。お降りの方はお知らせください。");

// Notes when the first block of samples arrives after being armed, and counts every sample.
class FirstSampleSink final : public base::PcmSink
{
public:
    void push(const int16_t *, int frames, int, int) override
    {
        std::lock_guard lock(m_mutex);
        m_frames += frames;
        if (m_armed && !m_first) {
            m_first = Clock::now();
            m_changed.notify_all();
        }
    }
    void flush() override {}
    bool drained() const override { return true; }

    void arm()
    {
        std::lock_guard lock(m_mutex);
        m_armed = true;
        m_first.reset();
        m_frames = 0;
    }
    Clock::time_point waitForFirst()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_first.has_value(); });
        m_armed = false;
        return *m_first;
    }
    long frames()
    {
        std::lock_guard lock(m_mutex);
        return m_frames;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_armed = false;
    std::optional<Clock::time_point> m_first;
    long m_frames = 0;
};

std::unique_ptr<speech::SpeechVoice> makeVoice(base::PcmSink &sink)
{
    speech::SpeechVoice::Options options;
    options.userReadingsFile.clear();
    options.settingsFile.clear();
    return speech::SpeechVoice::create(sink, options);
}

void waitIdle(const speech::SpeechVoice &voice)
{
    while (voice.state() != speech::TextToSpeech::Idle)
        std::this_thread::yield();
}

void BM_SpeakToFirstSample(benchmark::State &state)
{
    FirstSampleSink sink;
    auto voice = makeVoice(sink);
    if (!voice) {
        state.SkipWithError("no speech component");
        return;
    }
    for (auto _ : state) {
        voice->stop();
        waitIdle(*voice);
        sink.arm();
        const Clock::time_point start = Clock::now();
        voice->speak(Announcement);
        const Clock::time_point first = sink.waitForFirst();
        state.SetIterationTime(std::chrono::duration<double>(first - start).count());
    }
    voice->stop();
}
BENCHMARK(BM_SpeakToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ReadingOfAnnouncement(benchmark::State &state)
{
    auto reader = speech::SpeechReader::create(QString::fromLatin1(speech::SpeechReader::DefaultDictionary));
    if (!reader) {
        state.SkipWithError("no dictionary");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(reader->reading(Announcement));
}
BENCHMARK(BM_ReadingOfAnnouncement)->Unit(benchmark::kMicrosecond);

// A whole sentence, read and voiced: how far ahead of playback synthesis runs.
void BM_WholeAnnouncement(benchmark::State &state)
{
    FirstSampleSink sink;
    auto voice = makeVoice(sink);
    if (!voice) {
        state.SkipWithError("no speech component");
        return;
    }
    long frames = 0;
    for (auto _ : state) {
        sink.arm();
        voice->speak(Announcement);
        waitIdle(*voice);
        frames = sink.frames();
    }
    state.counters["audio_s"] = double(frames) / voice->sampleRate();
}
BENCHMARK(BM_WholeAnnouncement)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
