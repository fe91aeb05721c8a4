#include "speech/SpeechVoice.h"

#include "speech/EspeakEngine.h"

#include <algorithm>
#include <future>

namespace speech {

std::unique_ptr<SpeechVoice> SpeechVoice::create(base::PcmSink &sink, Options options)
{
    std::unique_ptr<SpeechVoice> voice(new SpeechVoice(sink, std::move(options)));
    if (!voice->start())
        return nullptr;
    return voice;
}

std::unique_ptr<SpeechVoice> SpeechVoice::create(base::PcmSink &sink)
{
    return create(sink, Options());
}

SpeechVoice::SpeechVoice(base::PcmSink &sink, Options options) : m_sink(sink), m_options(std::move(options)) {}

SpeechVoice::~SpeechVoice()
{
    stop();
    {
        std::lock_guard lock(m_queueMutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

// The dictionary and the voice are loaded on the worker thread, which alone uses them
// afterwards; creation waits for the outcome. The worker then prepares the voice before it
// takes the first request.
bool SpeechVoice::start()
{
    // The tables are built here and handed to the worker with each utterance.
    if (!m_options.userReadingsFile.isEmpty())
        m_baseCorrections.addFile(m_options.userReadingsFile);
    m_corrections = std::make_shared<const ReadingCorrections>(m_baseCorrections);

    std::promise<bool> started;
    std::future<bool> outcome = started.get_future();
    m_worker = std::thread([this, started = std::move(started)]() mutable {
        std::unique_ptr<SpeechReader> reader = SpeechReader::create(m_options.dictionaryDir);
        const bool ok = reader && EspeakEngine::open(m_options.espeakDataDir, &m_voices, &m_sampleRate);
        if (ok)
            restoreSettings();
        started.set_value(ok);
        if (!ok)
            return;
        prepare(*reader);
        run(std::move(reader));
    });
    if (outcome.get())
        return true;
    m_worker.join();
    return false;
}

// The settings of the last run, as far as they still fit: a voice that is no longer installed
// gives way to the first Japanese one.
void SpeechVoice::restoreSettings()
{
    if (m_options.settingsFile.isEmpty())
        return;
    std::optional<VoiceSettings> saved = VoiceSettingsFile::load(m_options.settingsFile);
    if (!saved)
        return;
    const bool known = std::any_of(m_voices.begin(), m_voices.end(),
                                   [&](const VoiceChoice &choice) { return choice.id == saved->voice; });
    if (!known)
        saved->voice.clear();
    std::lock_guard lock(m_queueMutex);
    m_settings = *saved;
}

void SpeechVoice::stop()
{
    {
        // The failure of an utterance cut off here is forgotten with it: the voice thread sets
        // the flag under the same lock, for the generation it spoke.
        std::lock_guard lock(m_pushMutex);
        ++m_generation;
        m_sink.flush();
        m_failed = false;
    }
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.clear();
    }
}

void SpeechVoice::speak(const QString &text)
{
    speakWith(text, settings());
}

void SpeechVoice::speakWith(const QString &text, const VoiceSettings &settings)
{
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.push_back({text, settings, m_generation.load(), m_corrections});
    }
    m_wake.notify_one();
}

int32_t SpeechVoice::state() const
{
    if (m_failed)
        return Failed;
    {
        std::lock_guard lock(m_queueMutex);
        if (m_busy || !m_queue.empty())
            return Speaking;
    }
    return m_sink.drained() ? Idle : Speaking;
}

void SpeechVoice::showSettings(QWidget *owner, const QString &title)
{
    if (m_options.settingsDialog)
        m_options.settingsDialog(owner, title, *this);
}

VoiceSettings SpeechVoice::settings() const
{
    std::lock_guard lock(m_queueMutex);
    return m_settings;
}

bool SpeechVoice::setSettings(const VoiceSettings &settings)
{
    {
        std::lock_guard lock(m_queueMutex);
        m_settings = settings;
    }
    return m_options.settingsFile.isEmpty() || VoiceSettingsFile::save(m_options.settingsFile, settings);
}

SpeechReader::SharedCorrections SpeechVoice::corrections() const
{
    std::lock_guard lock(m_queueMutex);
    return m_corrections;
}

void SpeechVoice::setRouteReadings(const QString &file)
{
    auto table = std::make_shared<ReadingCorrections>(m_baseCorrections);
    if (!file.isEmpty())
        table->addFile(file); // a route without a readings file is no error
    std::lock_guard lock(m_queueMutex);
    m_corrections = std::move(table);
}

void SpeechVoice::run(std::unique_ptr<SpeechReader> reader)
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_queueMutex);
            m_wake.wait(lock, [this] { return m_quit || !m_queue.empty(); });
            if (m_quit)
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
            m_busy = true;
        }
        voice(*reader, job);
        std::lock_guard lock(m_queueMutex);
        m_busy = false;
    }
}

// A short word read and voiced with the current settings, the samples thrown away: the
// dictionary's pages, the voice's data and the synthesiser's tables are then in memory when the
// first announcement comes.
void SpeechVoice::prepare(SpeechReader &reader)
{
    reader.setCorrections(corrections());
    const QByteArray text = reader.reading(QStringLiteral("次は")).toUtf8();
    const EspeakEngine::SampleHandler discard = [](const int16_t *, int) { return true; };
    EspeakEngine::synthesize(m_options.espeakDataDir, settings(), text, discard);
}

void SpeechVoice::voice(SpeechReader &reader, const Job &job)
{
    if (job.generation != m_generation)
        return;
    reader.setCorrections(job.corrections);
    const QByteArray text = reader.reading(job.text).toUtf8();
    if (text.isEmpty())
        return;
    const int rate = m_sampleRate;
    m_trim.restart();
    const EspeakEngine::SampleHandler push = [&](const int16_t *samples, int count) {
        if (m_options.untrimmedSamples)
            m_options.untrimmedSamples(samples, count);
        const int from = m_trim.firstToKeep(samples, count);
        std::lock_guard lock(m_pushMutex);
        if (job.generation != m_generation)
            return false;
        if (from < count)
            m_sink.push(samples + from, count - from, rate, 1);
        return true;
    };
    const EspeakEngine::Outcome outcome = EspeakEngine::synthesize(m_options.espeakDataDir, job.settings, text, push);
    if (outcome == EspeakEngine::Outcome::Spoken)
        pushHeldSilence(job, rate);
    if (outcome == EspeakEngine::Outcome::Failed) {
        std::lock_guard lock(m_pushMutex);
        if (job.generation == m_generation)
            m_failed = true;
    }
}

// An utterance that was silent throughout still lasts as long as it would have.
void SpeechVoice::pushHeldSilence(const Job &job, int rate)
{
    const std::vector<int16_t> silence(std::size_t(rate) / 50, 0);
    for (long left = m_trim.heldBack(); left > 0; left -= long(silence.size())) {
        std::lock_guard lock(m_pushMutex);
        if (job.generation != m_generation)
            return;
        m_sink.push(silence.data(), int(std::min<long>(left, long(silence.size()))), rate, 1);
    }
}

} // namespace speech
