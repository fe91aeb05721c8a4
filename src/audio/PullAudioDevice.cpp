#include "audio/PullAudioDevice.h"

#include "audio/AudioFormat.h"

namespace audio {

bool PullAudioDevice::start(RenderFunction render)
{
    std::lock_guard lock(m_mutex);
    m_render = std::move(render);
    return true;
}

void PullAudioDevice::stop()
{
    std::lock_guard lock(m_mutex);
    m_render = nullptr;
}

QString PullAudioDevice::driverName() const
{
    return QStringLiteral("pull");
}

std::vector<float> PullAudioDevice::pull(int frames)
{
    std::vector<float> out(size_t(frames) * AudioFormat::Channels, 0.0f);
    std::lock_guard lock(m_mutex);
    if (m_render && frames > 0)
        m_render(out.data(), frames);
    return out;
}

} // namespace audio
