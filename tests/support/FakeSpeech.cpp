#include "FakeSpeech.h"

void FakeSpeech::stop()
{
    m_log << QStringLiteral("stop");
    current = Idle;
}

void FakeSpeech::speak(const QString &text)
{
    m_log << QStringLiteral("speak ") + text;
    current = stateAfterSpeak;
}

void FakeSpeech::showSettings(QWidget *owner, const QString &title)
{
    m_log << QStringLiteral("settings %1 %2").arg(owner ? QStringLiteral("owner") : QStringLiteral("none"), title);
}

QStringList FakeSpeech::spoken(const QStringList &log)
{
    QStringList out;
    for (const QString &line : log) {
        if (line.startsWith(QStringLiteral("speak ")))
            out << line.mid(6);
    }
    return out;
}
