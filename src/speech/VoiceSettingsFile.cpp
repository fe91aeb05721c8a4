#include "speech/VoiceSettingsFile.h"

#include "base/KeyValueFile.h"

#include <algorithm>

namespace speech {
namespace {

void readNumber(QStringView value, int min, int max, int &field)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (ok)
        field = int(std::clamp<qlonglong>(n, min, max));
}

// Voice names are plain ASCII ("jpx/ja+f2"); anything else in the field is not one.
bool isVoiceName(QStringView text)
{
    if (text.size() > VoiceSettingsFile::MaxVoiceLength)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
}

} // namespace

QString VoiceSettingsFile::defaultPath()
{
    return base::KeyValueFile::configPath(QStringLiteral("voice.conf"));
}

std::optional<VoiceSettings> VoiceSettingsFile::load(const QString &path)
{
    const std::optional<base::KeyValueFile::Entries> entries = base::KeyValueFile::read(path, MaxFileBytes);
    if (!entries)
        return std::nullopt;
    VoiceSettings settings;
    for (const auto &[key, value] : *entries) {
        if (key == u"voice" && isVoiceName(value))
            settings.voice = value;
        else if (key == u"rate")
            readNumber(value, VoiceSettings::MinRate, VoiceSettings::MaxRate, settings.rate);
        else if (key == u"pitch")
            readNumber(value, VoiceSettings::MinPitch, VoiceSettings::MaxPitch, settings.pitch);
        else if (key == u"volume")
            readNumber(value, VoiceSettings::MinVolume, VoiceSettings::MaxVolume, settings.volume);
    }
    return settings;
}

bool VoiceSettingsFile::save(const QString &path, const VoiceSettings &settings)
{
    return base::KeyValueFile::write(path, {{QStringLiteral("voice"), isVoiceName(settings.voice) ? settings.voice : QString()},
                                            {QStringLiteral("rate"), QString::number(settings.rate)},
                                            {QStringLiteral("pitch"), QString::number(settings.pitch)},
                                            {QStringLiteral("volume"), QString::number(settings.volume)}});
}

} // namespace speech
