// How soon the voice is heard: the time from speak() to the first audible sample the mixer
// hands to the sound card, and where that time goes (reading the text, synthesising a whole
// sentence).
#include "audio/AudioFormat.h"
#include "audio/MediaControl.h"
#include "audio/MixerPcmSink.h"
#include "base/PcmSink.h"
#include "speech/SpeechReader.h"
#include "speech/SpeechVoice.h"

#include "FirstAudibleSample.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <random>
#include <thread>
#include <vector>

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

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

// What the tape's "送り" does to the voice (stop, then speak) until the first audible sample
// leaves the mixer for the sound card (SDL's dummy driver, which mixes every 11 ms). Each
// request comes at a random point of that period, as a click does.
void BM_SpeakToFirstSample(benchmark::State &state)
{
    audio::MediaControl mci(nullptr, {QString(), false});
    audio::MixerPcmSink sink(mci.mixer());
    auto voice = makeVoice(sink);
    if (!voice) {
        state.SkipWithError("no speech component");
        return;
    }
    FirstAudibleSample probe(mci.mixer());
    // The console is up for a while before its first "送り"; the first request is reported on
    // its own as well.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::mt19937 random(731);
    std::uniform_int_distribution<int> phase(0, 11000);
    std::vector<double> times;
    for (auto _ : state) {
        voice->stop();
        std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
        probe.arm();
        const Clock::time_point start = Clock::now();
        voice->stop();
        voice->speak(Announcement);
        const Clock::time_point heard = probe.wait();
        const double seconds = std::chrono::duration<double>(heard - start).count();
        state.SetIterationTime(seconds);
        times.push_back(seconds * 1000.0);
    }
    voice->stop();
    state.counters["first_ms"] = times.empty() ? 0.0 : times.front();
    state.counters["median_ms"] = percentile(times, 0.5);
    state.counters["p90_ms"] = percentile(times, 0.9);
    state.counters["max_ms"] = percentile(times, 1.0);
    state.SetLabel(mci.mixer().driverName().toStdString());
}
BENCHMARK(BM_SpeakToFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(60);

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
