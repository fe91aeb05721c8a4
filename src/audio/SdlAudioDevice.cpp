#include "audio/SdlAudioDevice.h"

#include "audio/AudioFormat.h"

#include <cstring>

namespace audio {

SdlAudioDevice::SdlAudioDevice(int framesPerCallback)
    : m_framesPerCallback(framesPerCallback)
{
}

SdlAudioDevice::~SdlAudioDevice()
{
    stop();
}

bool SdlAudioDevice::start(RenderFunction render)
{
    stop();
    m_render = std::move(render);
    if (openWithCurrentDriver())
        return true;
    // Whatever the environment asked for did not work: fall back to the silent driver so that
    // the program, and every wait for a sound, still behaves.
    // The override outranks an SDL_AUDIODRIVER variable naming a driver that failed.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = openWithCurrentDriver();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!opened)
        m_render = nullptr;
    return opened;
}

bool SdlAudioDevice::openWithCurrentDriver()
{
    // SIGINT and SIGTERM belong to the program, which ends in order on them; SDL's own handlers
    // would only turn them into quit events that no one reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    m_subsystemUp = true;

    SDL_AudioSpec want{};
    want.freq = AudioFormat::SampleRate;
    want.format = AUDIO_F32SYS;
    want.channels = AudioFormat::Channels;
    want.samples = Uint16(m_framesPerCallback);
    want.callback = &SdlAudioDevice::callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware wants behind the callback.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
        return false;
    }
    const char *driver = SDL_GetCurrentAudioDriver();
    m_driver = QString::fromUtf8(driver ? driver : "");
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlAudioDevice::stop()
{
    if (m_device != 0) {
        // Closing waits for a running callback to return.
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_subsystemUp) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_subsystemUp = false;
    }
    m_render = nullptr;
    m_driver.clear();
}

QString SdlAudioDevice::driverName() const
{
    return m_driver;
}

void SdlAudioDevice::callback(void *self, Uint8 *stream, int len)
{
    auto *device = static_cast<SdlAudioDevice *>(self);
    const int frames = len / int(sizeof(float) * AudioFormat::Channels);
    if (device->m_render)
        device->m_render(reinterpret_cast<float *>(stream), frames);
    else
        std::memset(stream, 0, size_t(len));
}

void SdlAudioDevice::releaseCallingThread()
{
    SDL_TLSCleanup();
}

} // namespace audio
