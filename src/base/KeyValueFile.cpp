#include "base/KeyValueFile.h"

#include "base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace base {

QString KeyValueFile::configPath(const QString &fileName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("harune/") + fileName);
}

std::optional<KeyValueFile::Entries> KeyValueFile::read(const QString &path, qsizetype maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return std::nullopt;
    Entries entries;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        entries.append({line.left(eq).trimmed().toString(), line.mid(eq + 1).trimmed().toString()});
    }
    return entries;
}

bool KeyValueFile::write(const QString &path, const Entries &entries)
{
    QString text;
    for (const auto &[key, value] : entries)
        text += key + u'=' + value + u'\n';
    return AtomicFile::write(path, text.toUtf8(), AtomicFile::Durability::Synced, true).ok();
}

} // namespace base
