#include "speech/VoiceSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

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
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("harune/voice.conf"));
}

std::optional<VoiceSettings> VoiceSettingsFile::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return std::nullopt;
    VoiceSettings settings;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QStringView key = line.left(eq).trimmed();
        const QStringView value = line.mid(eq + 1).trimmed();
        if (key == u"voice" && isVoiceName(value))
            settings.voice = value.toString();
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
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral("voice=%1\nrate=%2\npitch=%3\nvolume=%4\n")
                             .arg(isVoiceName(settings.voice) ? settings.voice : QString())
                             .arg(settings.rate)
                             .arg(settings.pitch)
                             .arg(settings.volume);
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace speech
