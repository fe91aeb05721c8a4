// How quickly a sound is heard: from PlaySoundFile to the first audible sample the mixer hands
// to the sound card, for wave files of other rates than the mix rate and of different lengths
// and for a MIDI file; how long the interface thread is held by the call; and how long the
// soundfont takes to load.
//
// The dummy driver mixes every 11 ms. Each play starts at a random point of that period, so
// the figures include the wait for the next mix as a user would meet it rather than being
// locked to one phase of it.

#include "audio/AudioFormat.h"
#include "audio/MediaControl.h"
#include "audio/MidiRenderer.h"
#include "sound/mdlSndAPI.h"

#include "FirstAudibleSample.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <numbers>
#include <optional>
#include <random>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

void put16(QByteArray &b, int v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); }
void put32(QByteArray &b, std::uint32_t v) { put16(b, int(v & 0xffff)); put16(b, int(v >> 16)); }
void putBE(QByteArray &b, std::uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        b.append(char((v >> (8 * i)) & 0xff));
}

// A chime of `ms` milliseconds, 16-bit mono at `rate`: a ringing 880 Hz tone that starts at
// once, so its first samples are audible.
QByteArray chimeWav(int rate, int ms)
{
    const int frames = int(std::int64_t(rate) * ms / 1000);
    QByteArray b("RIFF");
    put32(b, std::uint32_t(36 + frames * 2));
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, 1);
    put32(b, std::uint32_t(rate));
    put32(b, std::uint32_t(rate * 2));
    put16(b, 2);
    put16(b, 16);
    b.append("data");
    put32(b, std::uint32_t(frames * 2));
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / rate;
        const double envelope = 0.3 + 0.7 * std::exp(-2.0 * std::fmod(t, 1.5));
        put16(b, int(12000 * envelope * std::sin(2 * std::numbers::pi * 880.0 * t + 0.5)));
    }
    return b;
}

// An eight-second melody with a bass line: 16 bars of quarter notes on two channels.
QByteArray melodyMidi()
{
    QByteArray track;
    auto event = [&](int delta, std::initializer_list<int> bytes) {
        putBE(track, std::uint32_t(delta), 1); // deltas below 128 fit in one byte
        for (int v : bytes)
            track.append(char(v));
    };
    event(0, {0xc0, 0});
    event(0, {0xc1, 33});
    const int scale[] = {60, 62, 64, 65, 67, 69, 71, 72};
    for (int beat = 0; beat < 16; ++beat) {
        event(0, {0x90, scale[beat % 8], 100});
        event(0, {0x91, 36 + (beat % 4) * 2, 90});
        event(120, {0x80, scale[beat % 8], 0});
        event(0, {0x81, 36 + (beat % 4) * 2, 0});
    }
    event(0, {0xff, 0x2f, 0x00});
    QByteArray b("MThd");
    putBE(b, 6, 4);
    putBE(b, 0, 2);
    putBE(b, 1, 2);
    putBE(b, 60, 2); // 60 ticks a quarter at 120 bpm: a beat is half a second
    b.append("MTrk");
    putBE(b, std::uint32_t(track.size()), 4);
    return b + track;
}

// Sleeps a random part of the dummy driver's 11 ms period.
class RandomPhase
{
public:
    void sleep() { std::this_thread::sleep_for(std::chrono::microseconds(m_offset(m_random))); }

private:
    std::mt19937 m_random{731};
    std::uniform_int_distribution<int> m_offset{0, 11000};
};

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void timeToFirstSample(benchmark::State &state, const char *name, const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.close();

    audio::MediaControl mci;
    mci.midiRenderer().waitUntilReady(); // the program loads it at start, long before a sound
    sound::mdlSndAPI snd(mci, QStringLiteral("731"));
    FirstAudibleSample probe(mci.mixer());
    RandomPhase phase;
    double callMs = 0;
    double worstCallMs = 0;
    for (auto _ : state) {
        snd.CloseAllSounds();
        phase.sleep();
        probe.arm();
        const auto start = Clock::now();
        snd.PlaySoundFile(path, QStringLiteral("S1"), 0, 0);
        const auto returned = Clock::now();
        const auto heard = probe.wait();
        state.SetIterationTime(std::chrono::duration<double>(heard - start).count());
        callMs += ms(returned - start);
        worstCallMs = std::max(worstCallMs, ms(returned - start));
    }
    snd.CloseAllSounds();
    // How long PlaySoundFile held the calling (interface) thread.
    state.counters["call_ms"] = benchmark::Counter(callMs, benchmark::Counter::kAvgIterations);
    state.counters["call_max_ms"] = worstCallMs;
    state.SetLabel(mci.mixer().driverName().toStdString());
}

// Arguments: the file's rate in Hz and its length in milliseconds.
void BM_WavFirstSample(benchmark::State &state)
{
    const int rate = int(state.range(0));
    const int length = int(state.range(1));
    timeToFirstSample(state, "chime.wav", chimeWav(rate, length));
}
BENCHMARK(BM_WavFirstSample)
    ->ArgNames({"rate", "ms"})
    ->ArgsProduct({{22050, 48000}, {1500, 10000, 30000}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);

void BM_MidiFirstSample(benchmark::State &state)
{
    timeToFirstSample(state, "melody.mid", melodyMidi());
}
BENCHMARK(BM_MidiFirstSample)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

void BM_SoundFontLoad(benchmark::State &state)
{
    for (auto _ : state) {
        audio::MidiRenderer renderer;
        benchmark::DoNotOptimize(renderer.waitUntilReady());
    }
}
BENCHMARK(BM_SoundFontLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole eight-second melody rendered, from open to the last sample.
void BM_MidiRenderWhole(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("melody.mid"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(melodyMidi());
    f.close();
    audio::MediaControl mci;
    mci.midiRenderer().waitUntilReady();
    for (auto _ : state) {
        mci.sendString(QStringLiteral("open \"%1\" type sequencer alias M wait").arg(path));
        while (!mci.isLoaded(QStringLiteral("M")))
            std::this_thread::yield();
        mci.sendString(QStringLiteral("close M"));
    }
}
BENCHMARK(BM_MidiRenderWhole)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
