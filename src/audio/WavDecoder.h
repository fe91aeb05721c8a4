#pragma once

#include "audio/PcmBuffer.h"

#include <QByteArray>

#include <memory>

namespace audio {

// Wave files (RIFF WAVE and WAVE_FORMAT_EXTENSIBLE, any sample format libsndfile reads:
// 8/16/24/32-bit PCM, float, A-law, ADPCM, ...) decoded into the mix format. Mono plays on both
// sides; of more than two channels the first two are kept.
class WavDecoder
{
public:
    // The finished sound, or null when the bytes are not a wave file libsndfile can read.
    static std::shared_ptr<PcmBuffer> decode(const QByteArray &file);
};

} // namespace audio
