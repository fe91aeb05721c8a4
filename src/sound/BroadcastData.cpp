#include "sound/BroadcastData.h"

#include "fare/RoutePath.h"
#include "base/Cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sound {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The values of one line, or none when a quote is left open or something other than a comma
// follows a closing quote.
std::optional<QStringList> splitValues(QStringView line)
{
    QStringList values;
    qsizetype i = 0;
    const qsizetype n = line.size();
    for (;;) {
        while (i < n && isBlank(line[i]))
            ++i;
        QString value;
        if (i < n && line[i] == u'"') {
            ++i;
            for (;;) {
                if (i >= n)
                    return std::nullopt; // the quote is never closed
                if (line[i] == u'"') {
                    if (i + 1 < n && line[i + 1] == u'"') {
                        value += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += line[i++];
            }
            while (i < n && isBlank(line[i]))
                ++i;
            if (i < n && line[i] != u',')
                return std::nullopt;
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',')
                ++i;
            value = line.mid(start, i - start).trimmed().toString();
        }
        values.push_back(value);
        if (i >= n)
            return values;
        ++i; // the comma
    }
}

std::optional<int16_t> flagValue(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return int16_t(0);
    bool ok = false;
    const int value = t.toInt(&ok, 10);
    if (!ok || value < INT16_MIN || value > INT16_MAX)
        return std::nullopt;
    return int16_t(value);
}

QStringList splitLines(const QString &text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    // A terminator after the last line does not start another one.
    if (unified.endsWith(u'\n'))
        unified.chop(1);
    return unified.split(u'\n');
}

QString existingFile(const QString &path)
{
    const QFileInfo exact(path);
    if (exact.exists())
        return path;
    const QDir dir = exact.dir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (name.compare(exact.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return path;
}

} // namespace

QString BroadcastData::filePath(const QString &folder, const QString &routeText)
{
    return fare::FolderWithSeparator(folder) + fare::RouteKey(routeText) + QStringLiteral("tp.csv");
}

std::optional<std::vector<TapeEntry>> BroadcastData::load(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    QFile file(existingFile(path));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > MaxFileBytes)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileBytes)
        return std::nullopt;
    return parse(bytes);
}

std::optional<std::vector<TapeEntry>> BroadcastData::parse(const QByteArray &bytes)
{
    QByteArray content = bytes;
    // Files written by old editors may end in an end-of-file mark.
    if (content.endsWith('\x1a'))
        content.chop(1);
    if (content.isEmpty())
        return std::nullopt;
    bool ok = false;
    const QString text = base::Cp932::toUnicode(content, &ok);
    if (!ok)
        return std::nullopt;

    std::vector<TapeEntry> entries;
    for (const QString &line : splitLines(text)) {
        const std::optional<QStringList> values = splitValues(line);
        if (!values || values->size() != 3 || line.trimmed().isEmpty())
            return std::nullopt;
        const std::optional<int16_t> step = flagValue(values->at(1));
        const std::optional<int16_t> sound = flagValue(values->at(2));
        if (!step || !sound)
            return std::nullopt;
        entries.push_back({values->at(0), *step, *sound});
    }
    return entries;
}

} // namespace sound
