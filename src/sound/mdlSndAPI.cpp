#include "sound/mdlSndAPI.h"

#include "audio/MediaControl.h"
#include "base/ProgramInfo.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <thread>

namespace sound {

namespace {

const QString FallbackBaseName = QStringLiteral("731");

void sleepMs(int ms)
{
    if (ms <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Upper-case and strip the blanks around it, as the original did with the last three characters.
QString endingOf(const QString &path)
{
    QString ending = path.right(3).toUpper();
    while (ending.startsWith(u' '))
        ending.remove(0, 1);
    while (ending.endsWith(u' '))
        ending.chop(1);
    return ending;
}

// What the command parser would take for the end of a word, or for a quoted name.
bool breaksAWord(QChar c)
{
    return c.isSpace() || c == u'"' || c.category() == QChar::Other_Control || c.isNull();
}

} // namespace

QString mdlSndAPI::aliasBaseName(const QString &programName)
{
    if (programName.isEmpty())
        return FallbackBaseName;
    QString name = programName;
    for (QChar &c : name) {
        if (breaksAWord(c))
            c = u'_';
    }
    return name;
}

mdlSndAPI::mdlSndAPI(audio::MediaControl &mci, QString exeBaseName, Sleeper sleeper)
    : m_mci(mci)
    , m_baseName(aliasBaseName(exeBaseName))
    , m_sleep(sleeper ? std::move(sleeper) : Sleeper(&sleepMs))
{
}


QString mdlSndAPI::channelAlias(const QString &tag) const
{
    return m_baseName + tag;
}

void mdlSndAPI::send(const QString &command)
{
    m_mci.sendString(command); // the result is never looked at: sound failures stay silent
}

void mdlSndAPI::PlaySoundFile(const QString &path, const QString &tag, qint16 wait, qint16 pauseMs)
{
    const bool exists = QFileInfo(path).isFile();
    if (!exists || path.isEmpty())
        return;
    // A double quote would end the quoted file name early and let the rest of the name be read
    // as command words of its own; no file name of ours needs one.
    if (path.contains(u'"'))
        return;

    const QString alias = channelAlias(tag);
    send(QStringLiteral("close ") + alias);

    const QString ending = endingOf(path);
    QString type;
    if (ending == u"WAV")
        type = QStringLiteral(" type waveaudio alias ");
    else if (ending == u"MID")
        type = QStringLiteral(" type sequencer alias ");
    else
        return;
    send(QStringLiteral("open \"") + path + u'"' + type + alias + QStringLiteral(" wait"));

    if (wait != 0) {
        send(QStringLiteral("play ") + alias + QStringLiteral(" from 0 wait"));
        // A negative pause would have been an endless sleep; it counts as none.
        m_sleep(std::max<int>(pauseMs, 0));
    } else {
        send(QStringLiteral("stop ") + alias);
        send(QStringLiteral("play ") + alias + QStringLiteral(" from 0"));
        m_sleep(0);
    }
}

void mdlSndAPI::CloseAllSounds()
{
    for (const char *tag : {"S1", "S2", "S3", "S4"})
        send(QStringLiteral("close ") + channelAlias(QLatin1String(tag)));
}

} // namespace sound
