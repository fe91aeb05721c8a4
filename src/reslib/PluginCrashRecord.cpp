#include "reslib/PluginCrashRecord.h"

#include "base/AtomicFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace reslib {
namespace {

const QString MarkerPrefix = QStringLiteral("plugin-call.");
constexpr qint64 MaxRecordBytes = 1024 * 1024;

QString key(const QString &plugin)
{
    return QFileInfo(plugin).absoluteFilePath();
}

// What identifies the file that crashed: a rebuilt plug-in is another file.
QJsonObject signatureOf(const QString &plugin)
{
    const QFileInfo info(plugin);
    return {{QStringLiteral("size"), double(info.size())},
            {QStringLiteral("modified"), double(info.lastModified().toMSecsSinceEpoch())}};
}

QByteArray readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxRecordBytes)
        return {};
    return file.readAll();
}

bool processAlive(qint64 pid)
{
    if (pid <= 0 || pid == QCoreApplication::applicationPid())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

QJsonObject readBlockList(const QString &path)
{
    return QJsonDocument::fromJson(readSmallFile(path)).object();
}

void writeBlockList(const QString &path, const QJsonObject &blocked)
{
    // A block that cannot be written only means the plug-in is tried again next time.
    if (blocked.isEmpty())
        QFile::remove(path);
    else
        base::AtomicFile::write(path, QJsonDocument(blocked).toJson(QJsonDocument::Indented),
                                    base::AtomicFile::Durability::Synced, true);
}

} // namespace

void PluginCrashRecord::setFolder(const QString &folder)
{
    m_folder = folder;
}

QString PluginCrashRecord::markerName(qint64 processId)
{
    return MarkerPrefix + QString::number(processId);
}

QString PluginCrashRecord::markerPath() const
{
    return QDir(m_folder).filePath(markerName(QCoreApplication::applicationPid()));
}

QString PluginCrashRecord::blockListPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("plugins-blocked.json"));
}

void PluginCrashRecord::enter(const QString &plugin)
{
    if (m_depth++ > 0 || m_folder.isEmpty())
        return;
    // Only a crash has to find it, not a power cut: no need to wait for the disk.
    base::AtomicFile::write(markerPath(), key(plugin).toUtf8(), base::AtomicFile::Durability::Cached, true);
}

void PluginCrashRecord::leave()
{
    if (m_depth > 0 && --m_depth == 0 && !m_folder.isEmpty())
        QFile::remove(markerPath());
}

QString PluginCrashRecord::takeCrash()
{
    if (m_folder.isEmpty())
        return {};
    const QDir folder(m_folder);
    QString crashed;
    for (const QString &name : folder.entryList({MarkerPrefix + u'*'}, QDir::Files)) {
        bool isNumber = false;
        const qint64 pid = name.mid(MarkerPrefix.size()).toLongLong(&isNumber);
        if (!isNumber || processAlive(pid))
            continue;
        const QString plugin = QString::fromUtf8(readSmallFile(folder.filePath(name))).trimmed();
        QFile::remove(folder.filePath(name));
        if (plugin.isEmpty())
            continue;
        block(plugin);
        crashed = plugin;
    }
    return crashed;
}

void PluginCrashRecord::block(const QString &plugin)
{
    QJsonObject blocked = readBlockList(blockListPath());
    blocked.insert(key(plugin), signatureOf(plugin));
    writeBlockList(blockListPath(), blocked);
}

bool PluginCrashRecord::isBlocked(const QString &plugin) const
{
    if (m_folder.isEmpty() || !QFileInfo::exists(blockListPath()))
        return false;
    const QJsonValue recorded = readBlockList(blockListPath()).value(key(plugin));
    return recorded.isObject() && recorded.toObject() == signatureOf(plugin);
}

void PluginCrashRecord::unblock(const QString &plugin)
{
    if (m_folder.isEmpty() || !QFileInfo::exists(blockListPath()))
        return;
    QJsonObject blocked = readBlockList(blockListPath());
    if (blocked.contains(key(plugin))) {
        blocked.remove(key(plugin));
        writeBlockList(blockListPath(), blocked);
    }
}

} // namespace reslib
