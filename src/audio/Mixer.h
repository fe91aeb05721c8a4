#pragma once

#include "audio/AudioDevice.h"
#include "audio/PcmBuffer.h"
#include "audio/PcmStream.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace audio {

// Every sound that plays goes through here: loaded sounds as voices that can be started,
// stopped and restarted, and streams fed while they play. The device thread calls mix(),
// which only adds samples and moves play positions; threads that wait for a voice to end
// sleep on a condition variable that mix() signals under the same mutex.
class Mixer
{
public:
    using VoiceId = std::uint64_t;
    using MixObserver = std::function<void(const float *mixed, int frames)>;

    explicit Mixer(std::unique_ptr<AudioDevice> device);
    ~Mixer();
    Mixer(const Mixer &) = delete;
    Mixer &operator=(const Mixer &) = delete;

    // False when the device could not be started: nothing is heard and nothing is mixed.
    bool isRunning() const { return m_running; }
    QString driverName() const;
    AudioDevice &device() { return *m_device; }

    // A stopped voice at position 0.
    VoiceId addVoice(std::shared_ptr<const PcmBuffer> sound);
    void removeVoice(VoiceId id);

    // Plays from `frame`, or from where the voice stopped when `frame` is negative.
    void play(VoiceId id, std::int64_t frame = -1);
    void stop(VoiceId id);
    bool isPlaying(VoiceId id) const;

    // Blocks until the voice has played to its end, is stopped or is removed.
    void waitForEnd(VoiceId id);

    std::shared_ptr<PcmStream> openStream(int sampleRate, int channels);
    void closeStream(const std::shared_ptr<PcmStream> &stream);

    // Called on the device thread after each mix with the final samples; for measurements.
    void setMixObserver(MixObserver observer);

    // The device callback: fills `out` with `frames` mixed frames.
    void mix(float *out, int frames);

    // Keeps a sum of overlapping sounds inside [-1, 1]: untouched up to the knee, then bent
    // smoothly towards full scale instead of clipping.
    static float limit(float sample);

private:
    struct Voice
    {
        std::shared_ptr<const PcmBuffer> sound;
        std::size_t position = 0;
        bool playing = false;
    };

    bool voicePlaying(VoiceId id) const;

    std::unique_ptr<AudioDevice> m_device;
    bool m_running = false;

    mutable std::mutex m_mutex;
    std::condition_variable m_voiceEnded;
    std::map<VoiceId, Voice> m_voices;
    std::vector<std::shared_ptr<PcmStream>> m_streams;
    VoiceId m_nextId = 1;

    std::mutex m_observerMutex;
    MixObserver m_observer;
};

} // namespace audio
