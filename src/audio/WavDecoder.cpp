#include "audio/WavDecoder.h"

#include "audio/AudioFormat.h"
#include "audio/Resampler.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace audio {

namespace {

// Rates outside this range are taken for a broken header rather than a real recording.
constexpr int MinRate = 1000;
constexpr int MaxRate = 768000;

// libsndfile reads from the bytes in memory through these.
struct MemoryFile
{
    const QByteArray *bytes;
    sf_count_t position = 0;
};

sf_count_t length(void *user)
{
    return static_cast<MemoryFile *>(user)->bytes->size();
}

sf_count_t seek(sf_count_t offset, int whence, void *user)
{
    auto *file = static_cast<MemoryFile *>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file->position;
    else if (whence == SEEK_END)
        base = file->bytes->size();
    file->position = std::clamp<sf_count_t>(base + offset, 0, file->bytes->size());
    return file->position;
}

sf_count_t read(void *ptr, sf_count_t count, void *user)
{
    auto *file = static_cast<MemoryFile *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(file->bytes->size() - file->position, 0, count);
    std::memcpy(ptr, file->bytes->constData() + file->position, size_t(n));
    file->position += n;
    return n;
}

sf_count_t write(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t tell(void *user)
{
    return static_cast<MemoryFile *>(user)->position;
}

bool isWave(const SF_INFO &info)
{
    const int major = info.format & SF_FORMAT_TYPEMASK;
    return (major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX) && info.channels > 0
           && info.samplerate >= MinRate && info.samplerate <= MaxRate;
}

// The frames of the file at its own rate, as stereo; stops at the length a sound may have.
std::vector<float> readStereo(SNDFILE *sf, const SF_INFO &info)
{
    const std::size_t limit = Resampler::outputFrames(AudioFormat::MaxFrames, AudioFormat::SampleRate,
                                                      info.samplerate);
    constexpr std::size_t Block = 4096;
    std::vector<float> block(Block * std::size_t(info.channels));
    std::vector<float> stereo;
    std::size_t frames = 0;
    while (frames < limit) {
        const sf_count_t got = sf_readf_float(sf, block.data(), sf_count_t(Block));
        if (got <= 0)
            break;
        const std::size_t n = std::min(std::size_t(got), limit - frames);
        for (std::size_t f = 0; f < n; ++f) {
            const float *frame = &block[f * std::size_t(info.channels)];
            stereo.push_back(frame[0]);
            stereo.push_back(info.channels > 1 ? frame[1] : frame[0]);
        }
        frames += n;
    }
    return stereo;
}

} // namespace

std::shared_ptr<PcmBuffer> WavDecoder::decode(const QByteArray &file)
{
    SF_VIRTUAL_IO io{&length, &seek, &read, &write, &tell};
    MemoryFile memory{&file};
    SF_INFO info{};
    SNDFILE *sf = sf_open_virtual(&io, SFM_READ, &info, &memory);
    if (!sf)
        return nullptr;
    if (!isWave(info)) {
        sf_close(sf);
        return nullptr;
    }
    std::vector<float> stereo = readStereo(sf, info);
    sf_close(sf);

    const std::size_t frames = stereo.size() / AudioFormat::Channels;
    if (info.samplerate != AudioFormat::SampleRate)
        stereo = Resampler::convert(stereo.data(), frames, info.samplerate, AudioFormat::SampleRate,
                                    AudioFormat::Channels);
    // Float files may hold values beyond full scale, or no numbers at all.
    for (float &s : stereo)
        s = std::isfinite(s) ? std::clamp(s, -1.0f, 1.0f) : 0.0f;

    auto sound = std::make_shared<PcmBuffer>();
    sound->append(stereo.data(), stereo.size() / AudioFormat::Channels);
    sound->finish();
    return sound;
}

} // namespace audio
