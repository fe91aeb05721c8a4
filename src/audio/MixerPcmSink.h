#pragma once

#include "base/PcmSink.h"

#include <memory>
#include <mutex>

namespace audio {

class Mixer;
class PcmStream;

// Speech into the same mixer as the sound channels: one stream, reopened when the voice's
// format changes.
class MixerPcmSink final : public base::PcmSink
{
public:
    explicit MixerPcmSink(Mixer &mixer);
    ~MixerPcmSink() override;

    void push(const int16_t *samples, int frames, int sampleRate, int channels) override;
    void flush() override;
    bool drained() const override;

private:
    Mixer &m_mixer;
    mutable std::mutex m_mutex;
    std::shared_ptr<PcmStream> m_stream;
    int m_rate = 0;
    int m_channels = 0;
};

} // namespace audio
