#pragma once

#include "audio/PcmBuffer.h"
#include "audio/Resampler.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <memory>
#include <vector>

struct sf_private_tag; // libsndfile's SNDFILE

namespace audio {

// Wave files (RIFF WAVE and WAVE_FORMAT_EXTENSIBLE, any sample format libsndfile reads:
// 8/16/24/32-bit PCM, float, A-law, ADPCM, ...) decoded into the mix format a block at a time.
// Opening reads the header only; each decodeBlock() reads, converts and appends one block, so
// the time to the first samples does not depend on the file's length. Mono plays on both sides;
// of more than two channels the first two are kept.
class WavDecoder
{
public:
    // Frames of the file read per block.
    static constexpr std::size_t BlockFrames = 4096;

    // The file at `path`, or null when it cannot be read (`*readable` false) or is not a wave
    // file libsndfile can read.
    static std::unique_ptr<WavDecoder> open(const QString &path, bool *readable);
    // The same for a file's bytes in memory.
    static std::unique_ptr<WavDecoder> open(QByteArray bytes);
    ~WavDecoder();
    WavDecoder(const WavDecoder &) = delete;
    WavDecoder &operator=(const WavDecoder &) = delete;

    // Decodes the next block into `sound`. Returns false when the file is done: the sound has
    // then been finished.
    bool decodeBlock(PcmBuffer &sound);

    // The whole sound at once, or null when the bytes are not a wave file libsndfile can read.
    static std::shared_ptr<PcmBuffer> decode(const QByteArray &file);

private:
    struct Source;

    explicit WavDecoder(std::unique_ptr<Source> source);
    bool start();
    void append(const std::vector<float> &converted, PcmBuffer &sound);

    std::unique_ptr<Source> m_source;
    sf_private_tag *m_file = nullptr;
    int m_channels = 0;
    int m_rate = 0;
    std::size_t m_limit = 0; // frames of the file that fit in a sound
    std::size_t m_read = 0;
    std::unique_ptr<Resampler> m_resampler;
    std::vector<float> m_block;
    std::vector<float> m_stereo;
    std::vector<float> m_converted;
};

} // namespace audio
