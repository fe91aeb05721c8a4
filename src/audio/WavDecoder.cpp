#include "audio/WavDecoder.h"

#include "audio/AudioFormat.h"

#include <QFile>

#include <sndfile.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace audio {

namespace {

// Rates outside this range are taken for a broken header rather than a real recording.
constexpr int MinRate = 1000;
constexpr int MaxRate = 768000;

bool isWave(const SF_INFO &info)
{
    const int major = info.format & SF_FORMAT_TYPEMASK;
    return (major == SF_FORMAT_WAV || major == SF_FORMAT_WAVEX) && info.channels > 0
           && info.samplerate >= MinRate && info.samplerate <= MaxRate;
}

} // namespace

// Where libsndfile reads from: the file on disk, or its bytes in memory.
struct WavDecoder::Source
{
    std::FILE *file = nullptr;
    QByteArray bytes;
    sf_count_t position = 0;

    ~Source()
    {
        if (file)
            std::fclose(file);
    }

    static Source &of(void *user) { return *static_cast<Source *>(user); }

    static sf_count_t length(void *user)
    {
        Source &s = of(user);
        if (!s.file)
            return s.bytes.size();
        struct stat info{};
        return fstat(fileno(s.file), &info) == 0 ? sf_count_t(info.st_size) : 0;
    }

    static sf_count_t seek(sf_count_t offset, int whence, void *user)
    {
        Source &s = of(user);
        if (s.file) {
            if (fseeko(s.file, off_t(offset), whence) != 0)
                return -1;
            return sf_count_t(ftello(s.file));
        }
        sf_count_t base = 0;
        if (whence == SEEK_CUR)
            base = s.position;
        else if (whence == SEEK_END)
            base = s.bytes.size();
        s.position = std::clamp<sf_count_t>(base + offset, 0, s.bytes.size());
        return s.position;
    }

    static sf_count_t read(void *ptr, sf_count_t count, void *user)
    {
        Source &s = of(user);
        if (count <= 0)
            return 0;
        if (s.file)
            return sf_count_t(std::fread(ptr, 1, size_t(count), s.file));
        const sf_count_t n = std::clamp<sf_count_t>(s.bytes.size() - s.position, 0, count);
        std::memcpy(ptr, s.bytes.constData() + s.position, size_t(n));
        s.position += n;
        return n;
    }

    static sf_count_t write(const void *, sf_count_t, void *) { return 0; }

    static sf_count_t tell(void *user)
    {
        Source &s = of(user);
        return s.file ? sf_count_t(ftello(s.file)) : s.position;
    }
};

WavDecoder::WavDecoder(std::unique_ptr<Source> source) : m_source(std::move(source)) {}

WavDecoder::~WavDecoder()
{
    if (m_file)
        sf_close(m_file);
}

std::unique_ptr<WavDecoder> WavDecoder::open(const QString &path, bool *readable)
{
    auto source = std::make_unique<Source>();
    source->file = std::fopen(QFile::encodeName(path).constData(), "rbe");
    // Only an ordinary file is a sound: a device or a pipe could be read for ever.
    struct stat info{};
    *readable = source->file && fstat(fileno(source->file), &info) == 0 && S_ISREG(info.st_mode);
    if (!*readable)
        return nullptr;
    std::unique_ptr<WavDecoder> decoder(new WavDecoder(std::move(source)));
    return decoder->start() ? std::move(decoder) : nullptr;
}

std::unique_ptr<WavDecoder> WavDecoder::open(QByteArray bytes)
{
    auto source = std::make_unique<Source>();
    source->bytes = std::move(bytes);
    std::unique_ptr<WavDecoder> decoder(new WavDecoder(std::move(source)));
    return decoder->start() ? std::move(decoder) : nullptr;
}

// Reads the header; true when it is a wave file this can play.
bool WavDecoder::start()
{
    SF_VIRTUAL_IO io{&Source::length, &Source::seek, &Source::read, &Source::write, &Source::tell};
    SF_INFO info{};
    m_file = sf_open_virtual(&io, SFM_READ, &info, m_source.get());
    if (!m_file || !isWave(info))
        return false;
    m_channels = info.channels;
    m_rate = info.samplerate;
    m_limit = Resampler::outputFrames(AudioFormat::MaxFrames, AudioFormat::SampleRate, m_rate);
    return true;
}

bool WavDecoder::decodeBlock(PcmBuffer &sound)
{
    // Made with the first block rather than when opening: setting up the filter takes time the
    // opener should not wait for.
    if (m_block.empty()) {
        m_block.resize(BlockFrames * std::size_t(m_channels));
        if (m_rate != AudioFormat::SampleRate)
            m_resampler = std::make_unique<Resampler>(m_rate, AudioFormat::SampleRate, AudioFormat::Channels);
    }
    const std::size_t wanted = m_file ? std::min(BlockFrames, m_limit - m_read) : 0;
    const sf_count_t got = wanted > 0 ? sf_readf_float(m_file, m_block.data(), sf_count_t(wanted)) : 0;
    m_converted.clear();
    if (got > 0) {
        const auto frames = std::size_t(got);
        m_read += frames;
        m_stereo.resize(frames * AudioFormat::Channels);
        for (std::size_t f = 0; f < frames; ++f) {
            const float *frame = &m_block[f * std::size_t(m_channels)];
            // Float files may hold no numbers at all; those are silence.
            const float left = std::isfinite(frame[0]) ? frame[0] : 0.0f;
            const float right = m_channels > 1 ? (std::isfinite(frame[1]) ? frame[1] : 0.0f) : left;
            m_stereo[2 * f] = left;
            m_stereo[2 * f + 1] = right;
        }
        if (m_resampler)
            m_resampler->process(m_stereo.data(), frames, m_converted);
        else
            m_converted.swap(m_stereo);
        append(m_converted, sound);
        return true;
    }
    // The end of the file, of what it has readable, or of what a sound may hold.
    if (m_resampler)
        m_resampler->flush(m_converted);
    append(m_converted, sound);
    sound.finish();
    if (m_file)
        sf_close(m_file);
    m_file = nullptr;
    return false;
}

void WavDecoder::append(const std::vector<float> &converted, PcmBuffer &sound)
{
    m_stereo.resize(converted.size());
    // Float files may hold values beyond full scale, and resampling may overshoot it.
    std::transform(converted.begin(), converted.end(), m_stereo.begin(),
                   [](float s) { return std::clamp(s, -1.0f, 1.0f); });
    sound.append(m_stereo.data(), m_stereo.size() / AudioFormat::Channels);
}

std::shared_ptr<PcmBuffer> WavDecoder::decode(const QByteArray &file)
{
    std::unique_ptr<WavDecoder> decoder = open(file);
    if (!decoder)
        return nullptr;
    auto sound = std::make_shared<PcmBuffer>();
    while (decoder->decodeBlock(*sound)) {
    }
    return sound;
}

} // namespace audio
