#pragma once

// Small sound files written by the tests themselves: wave files in every sample format and
// standard MIDI files, plus helpers to look at mixed output.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

namespace testsupport {

enum class WavFormat { U8, S16, S24, S32, Float32 };

// Interleaved samples in [-1, 1] as a RIFF WAVE file.
QByteArray wavBytes(const std::vector<float> &samples, int channels, int rate, WavFormat format = WavFormat::S16);

// A sine tone, `channels` interleaved copies (or only the channel `only` when it is 0 or 1).
std::vector<float> sine(double seconds, double hz, int rate, float amplitude, int channels = 1, int only = -1);

// A steady level: handy to recognise which part of a sound is playing.
std::vector<float> ramp(std::size_t frames, float from, float to);

struct MidiNote
{
    int startTick;
    int lengthTicks;
    int key;
    int velocity = 100;
};

// A type-0 standard MIDI file at 480 ticks per quarter note and 120 beats per minute (so 960
// ticks a second), program `program` on channel 0.
QByteArray midiBytes(const std::vector<MidiNote> &notes, int program = 0, int endTick = -1);

bool writeFile(const QString &path, const QByteArray &bytes);

// Mixed output (interleaved stereo) and what can be seen in it.
struct Pcm
{
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / 2; }
    float left(std::size_t f) const { return samples[2 * f]; }
    float right(std::size_t f) const { return samples[2 * f + 1]; }
    float peak(int channel = -1) const;
    std::size_t audibleFrames(float level = 1e-3f) const; // frames with a sample above level
    std::size_t firstAudible(float level = 1e-3f) const;  // frames() when none
    std::size_t lastAudible(float level = 1e-3f) const;   // one past; 0 when none
    void append(const std::vector<float> &more) { samples.insert(samples.end(), more.begin(), more.end()); }
};

} // namespace testsupport
