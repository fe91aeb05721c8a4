#include "audio/SoundLoader.h"

#include <algorithm>

namespace audio {

SoundLoader::SoundLoader() : m_worker([this] { run(); }) {}

void SoundLoader::setBlockHook(BlockHook afterBlock)
{
    std::lock_guard lock(m_mutex);
    m_afterBlock = std::move(afterBlock);
}

SoundLoader::~SoundLoader()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_changed.notify_all();
    }
    m_worker.join();
    for (Job &job : m_jobs)
        job.sound->finish();
}

std::shared_ptr<PcmBuffer> SoundLoader::start(std::unique_ptr<WavDecoder> decoder)
{
    auto sound = std::make_shared<PcmBuffer>();
    std::lock_guard lock(m_mutex);
    m_jobs.push_back({std::move(decoder), sound});
    m_changed.notify_all();
    return sound;
}

void SoundLoader::cancel(const std::shared_ptr<PcmBuffer> &sound)
{
    std::lock_guard lock(m_mutex);
    if (m_current == sound) {
        m_cancelCurrent = true;
        return;
    }
    auto it = std::find_if(m_jobs.begin(), m_jobs.end(), [&](const Job &job) { return job.sound == sound; });
    if (it != m_jobs.end()) {
        it->sound->finish();
        m_jobs.erase(it);
    }
}

void SoundLoader::run()
{
    for (;;) {
        Job job;
        BlockHook afterBlock;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_quit || !m_jobs.empty(); });
            if (m_quit)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_current = job.sound;
            m_cancelCurrent = false;
            afterBlock = m_afterBlock;
        }
        const bool more = job.decoder->decodeBlock(*job.sound);
        if (afterBlock)
            afterBlock(*job.sound);
        std::lock_guard lock(m_mutex);
        m_current.reset();
        if (more && m_cancelCurrent)
            job.sound->finish();
        else if (more)
            m_jobs.push_back(std::move(job)); // the others' turn first
    }
}

} // namespace audio
