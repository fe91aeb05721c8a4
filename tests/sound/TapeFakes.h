#pragma once

// A console that only writes down what the tape asks of it, in the log it shares with the
// FakeSpeech, so that tests can read the order of sounds and announcements.

#include "base/Cp932.h"
#include "sound/TapeHost.h"
#include "FakeSpeech.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <map>

class FakeTapeHost final : public sound::TapeHost
{
public:
    explicit FakeTapeHost(QStringList &log) : m_log(log) {}

    void setTapeGroupEnabled(bool enabled) override
    {
        groupEnabled = enabled;
        m_log << (enabled ? QStringLiteral("group on") : QStringLiteral("group off"));
    }
    void setTapeGroupCaption(const QString &text) override
    {
        caption = text;
        m_log << QStringLiteral("caption ") + text;
    }
    void setTapeButtonEnabled(TapeButton button, bool enabled) override
    {
        static const char *names[] = {"Next", "Back", "Stop", "Set"};
        buttons[button] = enabled;
        m_log << QStringLiteral("button %1 %2").arg(QString::fromLatin1(names[int(button)]), enabled ? "on" : "off");
    }
    void playSoundFile(const QString &path, const QString &tag, bool wait) override
    {
        m_log << QStringLiteral("play %1 %2 %3").arg(path, tag, wait ? QStringLiteral("wait") : QStringLiteral("nowait"));
    }
    QString soundFile(settings::SoundSlot slot) const override
    {
        return QStringLiteral("slot%1.wav").arg(static_cast<int>(slot));
    }
    bool preSoundAlways() const override { return always; }
    bool preSoundWaits() const override { return waits; }
    QString osName() const override { return os; }

    bool groupEnabled = false;
    QString caption = QStringLiteral("音合使用不可");
    std::map<TapeButton, bool> buttons;
    bool always = false;
    bool waits = true;
    QString os = QStringLiteral("Debian GNU/Linux 12 (bookworm)");

private:
    QStringList &m_log;
};

// Writes broadcast data in the code page: one line per entry, CR LF after each.
inline QString writeBroadcastFile(const QTemporaryDir &dir, const QString &name, const QStringList &lines,
                                  const QByteArray &terminator = "\r\n")
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += base::Cp932::fromUnicode(line) + terminator;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

inline QString writeRawFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}
