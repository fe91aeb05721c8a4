#pragma once

#include <QString>

#include <functional>

namespace audio {

// The sound output the mixer renders into. The device calls `render` from its own thread
// whenever it needs `frames` more frames of interleaved stereo float at the mix rate; `render`
// fills the buffer completely. Tests replace the real device with one they pull by hand.
class AudioDevice
{
public:
    using RenderFunction = std::function<void(float *out, int frames)>;

    virtual ~AudioDevice() = default;

    // Starts calling `render`. False when no output could be started at all.
    virtual bool start(RenderFunction render) = 0;

    // Stops calling `render`; when this returns, no call is running or will follow.
    virtual void stop() = 0;

    // The name of the output actually in use ("pulseaudio", "dummy", "pull", ...).
    virtual QString driverName() const = 0;

    // Called on a thread of the caller's own that called start() or stop(), just before that
    // thread ends: what the output library keeps for the thread is freed.
    virtual void releaseCallingThread() {}
};

} // namespace audio
