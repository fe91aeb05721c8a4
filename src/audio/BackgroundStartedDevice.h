#pragma once

#include "audio/AudioDevice.h"

#include <memory>
#include <mutex>
#include <thread>

namespace audio {

// Starts another device on a thread of its own, so that whoever starts it goes on at once:
// opening the sound card can take a tenth of a second (a sound server to reach, a card that is
// not there and a fallback to try), and nothing needs it before the first sound. Sounds handed
// to the mixer meanwhile are mixed from the moment the device runs.
class BackgroundStartedDevice final : public AudioDevice
{
public:
    explicit BackgroundStartedDevice(std::unique_ptr<AudioDevice> device);
    ~BackgroundStartedDevice() override;

    // True at once; whether the device itself started shows in driverName().
    bool start(RenderFunction render) override;
    // Waits for a start still under way, then stops the device.
    void stop() override;
    // Waits for a start still under way; empty when the device could not be started.
    QString driverName() const override;

private:
    void waitForStart() const;

    std::unique_ptr<AudioDevice> m_device;
    mutable std::mutex m_mutex;
    // The starting thread is joined once, whichever of stop() and driverName() comes first, from
    // whichever thread.
    mutable std::mutex m_joinMutex;
    mutable std::thread m_starting;
    bool m_started = false;
};

} // namespace audio
