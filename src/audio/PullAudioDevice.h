#pragma once

#include "audio/AudioDevice.h"

#include <mutex>
#include <vector>

namespace audio {

// An output that mixes only when asked: a test (or a tool writing a file) pulls frames on its
// own thread and gets exactly what the device callback would have been given.
class PullAudioDevice : public AudioDevice
{
public:
    bool start(RenderFunction render) override;
    void stop() override;
    QString driverName() const override;

    // Runs the mixer for `frames` frames and returns them, interleaved stereo. Returns silence
    // while the device is stopped.
    std::vector<float> pull(int frames);

private:
    std::mutex m_mutex;
    RenderFunction m_render;
};

} // namespace audio
