#include "audio/BackgroundStartedDevice.h"

namespace audio {

BackgroundStartedDevice::BackgroundStartedDevice(std::unique_ptr<AudioDevice> device) : m_device(std::move(device)) {}

BackgroundStartedDevice::~BackgroundStartedDevice()
{
    stop();
}

bool BackgroundStartedDevice::start(RenderFunction render)
{
    stop();
    std::lock_guard joining(m_joinMutex);
    m_starting = std::thread([this, render = std::move(render)]() mutable {
        const bool started = m_device->start(std::move(render));
        m_device->releaseCallingThread();
        std::lock_guard lock(m_mutex);
        m_started = started;
    });
    return true;
}

void BackgroundStartedDevice::waitForStart() const
{
    std::lock_guard joining(m_joinMutex);
    if (m_starting.joinable() && m_starting.get_id() != std::this_thread::get_id())
        m_starting.join();
}

void BackgroundStartedDevice::stop()
{
    waitForStart();
    std::lock_guard lock(m_mutex);
    if (m_started)
        m_device->stop();
    m_started = false;
}

QString BackgroundStartedDevice::driverName() const
{
    waitForStart();
    std::lock_guard lock(m_mutex);
    return m_started ? m_device->driverName() : QString();
}

} // namespace audio
