#include "audio/MidiRenderer.h"

#include "audio/AudioFormat.h"
#include "audio/StandardMidiFile.h"

#include <fluidsynth.h>

#include <QFile>

#include <algorithm>
#include <cmath>
#include <vector>

namespace audio {

namespace {

constexpr int BlockFrames = 1024;
// Notes still sounding when the file ends are released and may ring this long at most.
constexpr std::size_t MaxTailFrames = std::size_t(AudioFormat::SampleRate) * 3;
// A file that stays silent this long before its end is taken to have ended: a chime never
// pauses for a minute, and a hostile delta time would otherwise have hours of silence rendered.
constexpr std::size_t MaxSilentFrames = std::size_t(AudioFormat::SampleRate) * 60;

void ignoreLog(int, const char *, void *) {}

void silenceFluidSynthLog()
{
    static const bool done = [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, &ignoreLog, nullptr);
        return true;
    }();
    (void)done;
}

float peak(const float *samples, std::size_t count)
{
    float p = 0.0f;
    for (std::size_t i = 0; i < count; ++i)
        p = std::max(p, std::abs(samples[i]));
    return p;
}

std::size_t lastLoudFrame(const float *frames, std::size_t count)
{
    for (std::size_t f = count; f > 0; --f) {
        const float *frame = frames + (f - 1) * AudioFormat::Channels;
        if (std::abs(frame[0]) > AudioFormat::SilenceLevel || std::abs(frame[1]) > AudioFormat::SilenceLevel)
            return f;
    }
    return 0;
}

} // namespace

MidiRenderer::MidiRenderer(QString soundFontPath)
    : m_soundFontPath(std::move(soundFontPath))
{
}

MidiRenderer::~MidiRenderer()
{
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_cancelCurrent = true;
        m_changed.notify_all();
    }
    if (m_worker.joinable())
        m_worker.join();
    for (Job &job : m_queue)
        job.sound->finish(0);
    if (m_synth)
        delete_fluid_synth(m_synth);
    if (m_settings)
        delete_fluid_settings(m_settings);
}

void MidiRenderer::ensureWorker()
{
    if (!m_worker.joinable())
        m_worker = std::thread([this] { run(); });
}

void MidiRenderer::preload()
{
    std::lock_guard lock(m_mutex);
    m_loadRequested = true;
    ensureWorker();
    m_changed.notify_all();
}

bool MidiRenderer::waitUntilReady()
{
    preload();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_fontState != FontState::NotLoaded; });
    return m_fontState == FontState::Ready;
}

QByteArray MidiRenderer::standardMidiData(const QByteArray &file)
{
    return StandardMidiFile::extract(file);
}

std::shared_ptr<PcmBuffer> MidiRenderer::start(const QByteArray &file)
{
    QByteArray midi = standardMidiData(file);
    if (midi.isEmpty())
        return nullptr;
    auto sound = std::make_shared<PcmBuffer>();
    std::lock_guard lock(m_mutex);
    // Without a soundfont nothing can sound: the file ends before it starts, so that a play
    // that waits for its end returns at once.
    if (m_fontState == FontState::Failed) {
        sound->finish(0);
        return sound;
    }
    m_queue.push_back({std::move(midi), sound});
    ensureWorker();
    m_changed.notify_all();
    return sound;
}

void MidiRenderer::cancel(const std::shared_ptr<PcmBuffer> &sound)
{
    std::lock_guard lock(m_mutex);
    if (m_current == sound) {
        m_cancelCurrent = true;
        return;
    }
    auto it = std::find_if(m_queue.begin(), m_queue.end(), [&](const Job &j) { return j.sound == sound; });
    if (it != m_queue.end()) {
        it->sound->finish(0);
        m_queue.erase(it);
    }
}

void MidiRenderer::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] {
                return m_quit || !m_queue.empty() || (m_loadRequested && m_fontState == FontState::NotLoaded);
            });
            if (m_quit)
                return;
            // The soundfont comes before any file: when it fails, loadSoundFont() ends every
            // queued file, so a job is only ever taken with the soundfont ready.
            if (m_fontState == FontState::NotLoaded) {
                lock.unlock();
                loadSoundFont();
                continue;
            }
            job = std::move(m_queue.front());
            m_queue.pop_front();
            m_current = job.sound;
            m_cancelCurrent = false;
        }
        render(job);
        std::lock_guard lock(m_mutex);
        m_current.reset();
    }
}

void MidiRenderer::loadSoundFont()
{
    silenceFluidSynthLog();
    m_settings = new_fluid_settings();
    bool ok = m_settings != nullptr;
    if (ok) {
        fluid_settings_setnum(m_settings, "synth.sample-rate", AudioFormat::SampleRate);
        fluid_settings_setnum(m_settings, "synth.gain", 0.5);
        fluid_settings_setint(m_settings, "synth.threadsafe-api", 0);
        fluid_settings_setint(m_settings, "synth.lock-memory", 0);
        // The player follows the samples rendered rather than the wall clock, so files render
        // faster than real time with their timing intact.
        fluid_settings_setstr(m_settings, "player.timing-source", "sample");
        m_synth = new_fluid_synth(m_settings);
        ok = m_synth != nullptr;
    }
    if (ok) {
        const QByteArray path = QFile::encodeName(m_soundFontPath);
        ok = QFile::exists(m_soundFontPath) && fluid_synth_sfload(m_synth, path.constData(), 1) != FLUID_FAILED;
    }
    std::lock_guard lock(m_mutex);
    m_fontState = ok ? FontState::Ready : FontState::Failed;
    if (!ok) {
        // Files queued while the soundfont was loading end now, in the same step that makes
        // the failure known: whoever learns of it finds every sound it started already ended.
        for (Job &job : m_queue)
            job.sound->finish(0);
        m_queue.clear();
    }
    m_changed.notify_all();
}

void MidiRenderer::render(const Job &job)
{
    fluid_synth_system_reset(m_synth);
    fluid_player_t *player = new_fluid_player(m_synth);
    if (!player || fluid_player_add_mem(player, job.midi.constData(), size_t(job.midi.size())) != FLUID_OK
        || fluid_player_play(player) != FLUID_OK) {
        if (player)
            delete_fluid_player(player);
        job.sound->finish(0);
        return;
    }

    std::vector<float> block(std::size_t(BlockFrames) * AudioFormat::Channels);
    std::size_t rendered = 0;
    std::size_t audibleEnd = 0;
    std::size_t tail = 0;
    bool released = false;
    while (!m_cancelCurrent.load(std::memory_order_relaxed)) {
        const bool playing = fluid_player_get_status(player) == FLUID_PLAYER_PLAYING;
        if (!playing && !released) {
            // The file has ended: let hanging notes go into their release.
            fluid_synth_all_notes_off(m_synth, -1);
            released = true;
        }
        fluid_synth_write_float(m_synth, BlockFrames, block.data(), 0, 2, block.data(), 1, 2);
        const float loudest = peak(block.data(), block.size());
        if (loudest > AudioFormat::SilenceLevel)
            audibleEnd = rendered + lastLoudFrame(block.data(), BlockFrames);
        if (rendered + BlockFrames - audibleEnd >= MaxSilentFrames)
            break;
        const std::size_t kept = job.sound->append(block.data(), BlockFrames);
        rendered += kept;
        if (kept < std::size_t(BlockFrames))
            break;
        if (released) {
            tail += BlockFrames;
            const bool quiet = loudest <= AudioFormat::SilenceLevel && fluid_synth_get_active_voice_count(m_synth) == 0;
            if (quiet || tail >= MaxTailFrames)
                break;
        }
    }
    fluid_player_stop(player);
    delete_fluid_player(player);
    // Whatever follows the last audible sample is dropped, so a wait ends with the music.
    job.sound->finish(audibleEnd);
}

} // namespace audio
