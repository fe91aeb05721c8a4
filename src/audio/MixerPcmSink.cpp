#include "audio/MixerPcmSink.h"

#include "audio/Mixer.h"
#include "audio/PcmStream.h"

namespace audio {

MixerPcmSink::MixerPcmSink(Mixer &mixer) : m_mixer(mixer) {}

MixerPcmSink::~MixerPcmSink()
{
    std::lock_guard lock(m_mutex);
    if (m_stream)
        m_mixer.closeStream(m_stream);
}

void MixerPcmSink::push(const int16_t *samples, int frames, int sampleRate, int channels)
{
    if (frames <= 0 || sampleRate <= 0 || channels <= 0)
        return;
    std::lock_guard lock(m_mutex);
    if (!m_stream || sampleRate != m_rate || channels != m_channels) {
        if (m_stream)
            m_mixer.closeStream(m_stream);
        m_stream = m_mixer.openStream(sampleRate, channels);
        m_rate = sampleRate;
        m_channels = channels;
    }
    if (m_stream)
        m_stream->push(samples, static_cast<std::size_t>(frames));
}

void MixerPcmSink::flush()
{
    std::lock_guard lock(m_mutex);
    if (m_stream)
        m_stream->stop();
}

bool MixerPcmSink::drained() const
{
    std::lock_guard lock(m_mutex);
    return !m_stream || !m_stream->hasQueued();
}

} // namespace audio
