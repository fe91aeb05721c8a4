#pragma once

#include "audio/AudioFormat.h"
#include "audio/Mixer.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <optional>

// Notes the moment the device callback first receives an audible sample after arm(): what a
// listener hears, not the first (silent) block handed to the mixer.
class FirstAudibleSample
{
public:
    using Clock = std::chrono::steady_clock;

    explicit FirstAudibleSample(audio::Mixer &mixer) : m_mixer(mixer)
    {
        mixer.setMixObserver([this](const float *mixed, int frames) {
            for (int i = 0; i < frames * 2; ++i) {
                if (std::abs(mixed[i]) > audio::AudioFormat::SilenceLevel) {
                    std::lock_guard lock(m_mutex);
                    if (m_armed && !m_heard) {
                        m_heard = Clock::now();
                        m_changed.notify_all();
                    }
                    return;
                }
            }
        });
    }
    ~FirstAudibleSample() { m_mixer.setMixObserver({}); }

    void arm()
    {
        std::lock_guard lock(m_mutex);
        m_armed = true;
        m_heard.reset();
    }

    Clock::time_point wait()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_heard.has_value(); });
        m_armed = false;
        return *m_heard;
    }

private:
    audio::Mixer &m_mixer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_armed = false;
    std::optional<Clock::time_point> m_heard;
};
