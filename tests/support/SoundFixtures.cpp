#include "SoundFixtures.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>

namespace testsupport {

namespace {

void put16(QByteArray &b, std::uint16_t v)
{
    b.append(char(v & 0xff)).append(char(v >> 8));
}

void put32(QByteArray &b, std::uint32_t v)
{
    put16(b, std::uint16_t(v & 0xffff));
    put16(b, std::uint16_t(v >> 16));
}

void putBE16(QByteArray &b, std::uint16_t v)
{
    b.append(char(v >> 8)).append(char(v & 0xff));
}

void putBE32(QByteArray &b, std::uint32_t v)
{
    putBE16(b, std::uint16_t(v >> 16));
    putBE16(b, std::uint16_t(v & 0xffff));
}

void putVarLen(QByteArray &b, std::uint32_t v)
{
    char bytes[5];
    int n = 0;
    bytes[n++] = char(v & 0x7f);
    while (v >>= 7)
        bytes[n++] = char((v & 0x7f) | 0x80);
    while (n > 0)
        b.append(bytes[--n]);
}

int bytesPerSample(WavFormat f)
{
    switch (f) {
    case WavFormat::U8: return 1;
    case WavFormat::S16: return 2;
    case WavFormat::S24: return 3;
    case WavFormat::S32: return 4;
    case WavFormat::Float32: return 4;
    }
    return 2;
}

void putSample(QByteArray &b, float s, WavFormat f)
{
    s = std::clamp(s, -1.0f, 1.0f);
    switch (f) {
    case WavFormat::U8:
        b.append(char(std::uint8_t(std::lround(s * 127.0f) + 128)));
        break;
    case WavFormat::S16:
        put16(b, std::uint16_t(std::int16_t(std::lround(s * 32767.0f))));
        break;
    case WavFormat::S24: {
        const auto v = std::uint32_t(std::int32_t(std::lround(s * 8388607.0f)));
        b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)).append(char((v >> 16) & 0xff));
        break;
    }
    case WavFormat::S32:
        put32(b, std::uint32_t(std::int32_t(std::llround(double(s) * 2147483647.0))));
        break;
    case WavFormat::Float32: {
        std::uint32_t bits;
        static_assert(sizeof bits == sizeof s);
        std::memcpy(&bits, &s, sizeof bits);
        put32(b, bits);
        break;
    }
    }
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

} // namespace

QByteArray wavBytes(const std::vector<float> &samples, int channels, int rate, WavFormat format)
{
    const int bps = bytesPerSample(format);
    const auto dataBytes = std::uint32_t(samples.size() * std::size_t(bps));
    QByteArray b;
    b.append("RIFF");
    put32(b, 36 + dataBytes);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, format == WavFormat::Float32 ? 3 : 1);
    put16(b, std::uint16_t(channels));
    put32(b, std::uint32_t(rate));
    put32(b, std::uint32_t(rate * channels * bps));
    put16(b, std::uint16_t(channels * bps));
    put16(b, std::uint16_t(bps * 8));
    b.append("data");
    put32(b, dataBytes);
    for (float s : samples)
        putSample(b, s, format);
    return b;
}

std::vector<float> sine(double seconds, double hz, int rate, float amplitude, int channels, int only)
{
    const auto frames = std::size_t(std::lround(seconds * rate));
    std::vector<float> out(frames * std::size_t(channels), 0.0f);
    for (std::size_t f = 0; f < frames; ++f) {
        const auto v = float(amplitude * std::sin(2.0 * std::numbers::pi * hz * double(f) / rate));
        for (int c = 0; c < channels; ++c)
            if (only < 0 || only == c)
                out[f * std::size_t(channels) + std::size_t(c)] = v;
    }
    return out;
}

std::vector<float> ramp(std::size_t frames, float from, float to)
{
    std::vector<float> out(frames);
    for (std::size_t f = 0; f < frames; ++f)
        out[f] = from + (to - from) * float(f) / float(std::max<std::size_t>(frames - 1, 1));
    return out;
}

QByteArray midiBytes(const std::vector<MidiNote> &notes, int program, int endTick)
{
    struct Event { int tick; int order; QByteArray bytes; };
    std::vector<Event> events;
    events.push_back({0, 0, QByteArray("\xff\x51\x03\x07\xa1\x20", 6)}); // 500000 us per quarter
    events.push_back({0, 1, bytes({0xc0, program})});
    int last = 0;
    for (const MidiNote &n : notes) {
        events.push_back({n.startTick, 3, bytes({0x90, n.key, n.velocity})});
        events.push_back({n.startTick + n.lengthTicks, 2, bytes({0x80, n.key, 0})});
        last = std::max(last, n.startTick + n.lengthTicks);
    }
    events.push_back({std::max(endTick, last), 4, QByteArray("\xff\x2f\x00", 3)});
    std::stable_sort(events.begin(), events.end(), [](const Event &a, const Event &b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray track;
    int tick = 0;
    for (const Event &e : events) {
        putVarLen(track, std::uint32_t(e.tick - tick));
        track.append(e.bytes);
        tick = e.tick;
    }
    QByteArray b("MThd");
    putBE32(b, 6);
    putBE16(b, 0);
    putBE16(b, 1);
    putBE16(b, 480);
    b.append("MTrk");
    putBE32(b, std::uint32_t(track.size()));
    b.append(track);
    return b;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

float Pcm::peak(int channel) const
{
    float p = 0.0f;
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (channel < 0 || int(i % 2) == channel)
            p = std::max(p, std::abs(samples[i]));
    return p;
}

std::size_t Pcm::audibleFrames(float level) const
{
    std::size_t n = 0;
    for (std::size_t f = 0; f < frames(); ++f)
        if (std::abs(left(f)) > level || std::abs(right(f)) > level)
            ++n;
    return n;
}

std::size_t Pcm::firstAudible(float level) const
{
    for (std::size_t f = 0; f < frames(); ++f)
        if (std::abs(left(f)) > level || std::abs(right(f)) > level)
            return f;
    return frames();
}

std::size_t Pcm::lastAudible(float level) const
{
    for (std::size_t f = frames(); f > 0; --f)
        if (std::abs(left(f - 1)) > level || std::abs(right(f - 1)) > level)
            return f;
    return 0;
}

} // namespace testsupport
