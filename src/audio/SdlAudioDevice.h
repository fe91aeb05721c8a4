#pragma once

#include "audio/AudioDevice.h"

#include <SDL.h>

namespace audio {

// The sound card through SDL2. When no real output can be opened (no sound server, no card,
// a container), SDL's "dummy" driver takes its place: it consumes frames at the pace of real
// time and discards them, so sounds still last as long as they should.
class SdlAudioDevice : public AudioDevice
{
public:
    // `framesPerCallback` trades latency against the risk of drop-outs; 512 frames is 11.6 ms.
    explicit SdlAudioDevice(int framesPerCallback = 512);
    ~SdlAudioDevice() override;

    bool start(RenderFunction render) override;
    void stop() override;
    QString driverName() const override;
    // SDL keeps per-thread data (its error text) that it frees only for threads it made itself.
    void releaseCallingThread() override;

private:
    static void callback(void *self, Uint8 *stream, int len);
    bool openWithCurrentDriver();

    int m_framesPerCallback;
    RenderFunction m_render;
    SDL_AudioDeviceID m_device = 0;
    bool m_subsystemUp = false;
    QString m_driver;
};

} // namespace audio
