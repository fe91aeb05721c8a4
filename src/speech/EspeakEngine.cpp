#include "speech/EspeakEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace speech {
namespace {

// Length of the blocks the library hands over. Short blocks let a stop cut in soon.
constexpr int BlockMs = 20;

std::mutex g_mutex;
QString g_loadedPath;  // the data folder the library has loaded, empty when none
QString g_defaultVoice; // the first Japanese voice of that data
// The Japanese voices of that data: listing them reads every voice file the library has.
std::vector<VoiceChoice> g_voices;
QString g_currentVoice; // the voice the library is set to
int g_sampleRate = 0;
const EspeakEngine::SampleHandler *g_handler = nullptr;
bool g_cut = false;

int onSamples(short *samples, int count, espeak_EVENT *)
{
    if (!g_handler || !samples || count <= 0)
        return 0;
    if (!(*g_handler)(samples, count)) {
        g_cut = true;
        return 1; // the library ends the utterance here
    }
    return 0;
}

// The files without which espeak-ng cannot start or cannot read Japanese.
bool hasJapaneseData(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QDir dir(path);
    for (const char *name : {"phontab", "phonindex", "phondata", "intonations", "ja_dict"}) {
        const QFileInfo file(dir.filePath(QString::fromLatin1(name)));
        if (!file.isFile() || !file.isReadable() || file.size() == 0)
            return false;
    }
    return true;
}

bool isJapanese(const espeak_VOICE *voice)
{
    // `languages` is a run of (priority byte, name, zero), ended by a zero priority.
    for (const char *p = voice->languages; p && *p;) {
        const char *name = p + 1;
        if (std::strcmp(name, "ja") == 0 || std::strncmp(name, "ja-", 3) == 0)
            return true;
        p = name + std::strlen(name) + 1;
    }
    return false;
}

QString variantName(const QString &variant)
{
    const QString number = variant.mid(1);
    return (variant.startsWith(u'm') ? QStringLiteral("男声") : QStringLiteral("女声")) + number;
}

// The Japanese voices, each plain and with the numbered male and female variants.
std::vector<VoiceChoice> listJapaneseVoices()
{
    std::vector<VoiceChoice> bases;
    for (const espeak_VOICE **v = espeak_ListVoices(nullptr); v && *v; ++v) {
        if (isJapanese(*v))
            bases.push_back({QString::fromUtf8((*v)->identifier), QString::fromUtf8((*v)->name)});
    }

    static const QRegularExpression numbered(QStringLiteral("^!v/([mf][0-9]+)$"));
    QStringList variants;
    espeak_VOICE filter{};
    filter.languages = "variant";
    for (const espeak_VOICE **v = espeak_ListVoices(&filter); v && *v; ++v) {
        const QRegularExpressionMatch m = numbered.match(QString::fromUtf8((*v)->identifier));
        if (m.hasMatch())
            variants.push_back(m.captured(1));
    }
    std::sort(variants.begin(), variants.end(), [](const QString &a, const QString &b) {
        if (a[0] != b[0])
            return a[0] == u'm'; // male voices first, as espeak-ng lists its default
        return a.mid(1).toInt() < b.mid(1).toInt();
    });

    std::vector<VoiceChoice> voices;
    for (const VoiceChoice &base : bases) {
        const QString name = bases.size() == 1 ? QStringLiteral("日本語")
                                               : QStringLiteral("日本語 (%1)").arg(base.name);
        voices.push_back({base.id, name});
        for (const QString &variant : variants)
            voices.push_back({base.id + u'+' + variant, name + u' ' + variantName(variant)});
    }
    return voices;
}

bool setVoice(const QString &id)
{
    if (id == g_currentVoice)
        return true;
    if (espeak_ng_SetVoiceByName(id.toUtf8().constData()) != ENS_OK) {
        g_currentVoice.clear();
        return false;
    }
    g_currentVoice = id;
    return true;
}

QString phonemesOf(const QByteArray &utf8Text)
{
    QStringList clauses;
    const void *position = utf8Text.constData();
    // The library gives one clause per call and moves `position` on; null at the end.
    while (position) {
        const char *phonemes = espeak_TextToPhonemes(&position, espeakCHARS_UTF8, 0);
        if (phonemes && *phonemes)
            clauses.push_back(QString::fromUtf8(phonemes));
    }
    return clauses.join(u' ');
}

// Loads the data of `dataDir` unless it is loaded already. Called with g_mutex held.
bool load(const QString &dataDir)
{
    if (!dataDir.isEmpty() && !QFileInfo(dataDir).isDir())
        return false; // espeak-ng would quietly fall back to its own data
    const QByteArray requested = QFile::encodeName(dataDir);
    espeak_ng_InitializePath(dataDir.isEmpty() ? nullptr : requested.constData());
    const char *home = nullptr;
    espeak_Info(&home);
    const QString resolved = home ? QFile::decodeName(home) : QString();
    if (!g_loadedPath.isEmpty() && resolved == g_loadedPath)
        return true;

    g_loadedPath.clear();
    g_currentVoice.clear();
    g_defaultVoice.clear();
    g_voices.clear();
    if (!hasJapaneseData(resolved))
        return false;
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    espeak_ng_ClearErrorContext(&context);
    if (status != ENS_OK)
        return false;
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, BlockMs, nullptr) != ENS_OK)
        return false;
    espeak_SetSynthCallback(onSamples);
    g_sampleRate = espeak_ng_GetSampleRate();

    const std::vector<VoiceChoice> voices = listJapaneseVoices();
    if (voices.empty() || !setVoice(voices.front().id))
        return false;
    // A voice whose dictionary failed to load still "loads", but makes nothing of kana.
    if (phonemesOf(QByteArrayLiteral("\xe3\x82\xa2")).isEmpty()) // ア
        return false;
    g_defaultVoice = voices.front().id;
    g_voices = voices;
    g_loadedPath = resolved;
    return true;
}

} // namespace

bool EspeakEngine::open(const QString &dataDir, std::vector<VoiceChoice> *voices, int *sampleRate)
{
    std::lock_guard lock(g_mutex);
    if (!load(dataDir))
        return false;
    if (voices)
        *voices = g_voices;
    if (sampleRate)
        *sampleRate = g_sampleRate;
    return true;
}

EspeakEngine::Outcome EspeakEngine::synthesize(const QString &dataDir, const VoiceSettings &settings,
                                               const QByteArray &utf8Text, const SampleHandler &handler)
{
    std::lock_guard lock(g_mutex);
    if (!load(dataDir))
        return Outcome::Failed;
    if (!setVoice(settings.voice.isEmpty() ? g_defaultVoice : settings.voice))
        return Outcome::Failed;
    espeak_ng_SetParameter(espeakRATE, std::clamp(settings.rate, VoiceSettings::MinRate, VoiceSettings::MaxRate), 0);
    espeak_ng_SetParameter(espeakPITCH, std::clamp(settings.pitch, VoiceSettings::MinPitch, VoiceSettings::MaxPitch), 0);
    espeak_ng_SetParameter(espeakVOLUME, std::clamp(settings.volume, VoiceSettings::MinVolume, VoiceSettings::MaxVolume), 0);

    g_handler = &handler;
    g_cut = false;
    const espeak_ng_STATUS status = espeak_ng_Synthesize(utf8Text.constData(), size_t(utf8Text.size()) + 1, 0,
                                                         POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    g_handler = nullptr;
    if (g_cut || status == ENS_SPEECH_STOPPED)
        return Outcome::Cut;
    return status == ENS_OK ? Outcome::Spoken : Outcome::Failed;
}

QString EspeakEngine::phonemes(const QString &dataDir, const QByteArray &utf8Text)
{
    std::lock_guard lock(g_mutex);
    if (!load(dataDir) || !setVoice(g_defaultVoice))
        return {};
    return phonemesOf(utf8Text);
}

} // namespace speech
