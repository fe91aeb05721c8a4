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

// The values of one line, or the fault that stops the line from splitting: a quote left open
// or something other than a comma after a closing quote.
struct SplitLine
{
    QStringList values;
    std::optional<BroadcastProblem> problem;
};

SplitLine splitValues(QStringView line)
{
    SplitLine split;
    qsizetype i = 0;
    const qsizetype n = line.size();
    for (;;) {
        while (i < n && isBlank(line[i]))
            ++i;
        QString value;
        if (i < n && line[i] == u'"') {
            ++i;
            for (;;) {
                if (i >= n) {
                    split.problem = BroadcastProblem::OpenQuote;
                    return split;
                }
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
            if (i < n && line[i] != u',') {
                split.problem = BroadcastProblem::TextAfterQuote;
                return split;
            }
        } else {
            const qsizetype start = i;
            while (i < n && line[i] != u',')
                ++i;
            value = line.mid(start, i - start).trimmed().toString();
        }
        split.values.push_back(value);
        if (i >= n)
            return split;
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

// Lines end in CR LF, LF or CR; a terminator after the last line does not start another one.
// Neither byte ever stands inside a code-page character, so the bytes can be split before they
// are decoded.
QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QByteArray unified = bytes;
    unified.replace("\r\n", "\n");
    unified.replace('\r', '\n');
    if (unified.endsWith('\n'))
        unified.chop(1);
    return unified.split('\n');
}

// The entry of one line, or its fault.
std::optional<BroadcastFault> readLine(const QByteArray &bytes, int number, TapeEntry &entry)
{
    BroadcastFault fault{number, BroadcastProblem::NotCodePage, 0, {}};
    bool ok = false;
    const QString line = base::Cp932::toUnicode(bytes, &ok);
    if (!ok)
        return fault;
    if (line.trimmed().isEmpty()) {
        fault.problem = BroadcastProblem::Blank;
        return fault;
    }
    const SplitLine split = splitValues(line);
    if (split.problem) {
        fault.problem = *split.problem;
        return fault;
    }
    if (split.values.size() != 3) {
        fault.problem = BroadcastProblem::NotThreeValues;
        fault.values = int(split.values.size());
        return fault;
    }
    const std::optional<int16_t> step = flagValue(split.values[1]);
    const std::optional<int16_t> sound = flagValue(split.values[2]);
    if (!step || !sound) {
        fault.problem = step ? BroadcastProblem::BadSoundFlag : BroadcastProblem::BadStepFlag;
        fault.value = split.values[step ? 2 : 1];
        return fault;
    }
    entry = {split.values[0], *step, *sound};
    return std::nullopt;
}

BroadcastReading fileFault(BroadcastProblem problem)
{
    BroadcastReading reading;
    reading.faults.push_back({0, problem, 0, {}});
    return reading;
}

} // namespace

QString BroadcastData::filePath(const QString &folder, const QString &routeText)
{
    return fare::FolderWithSeparator(folder) + fare::RouteKey(routeText) + QStringLiteral("tp.csv");
}

QString BroadcastData::resolvedPath(const QString &path)
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

std::optional<std::vector<TapeEntry>> BroadcastData::load(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    BroadcastReading reading = readFile(resolvedPath(path));
    if (!reading.ok())
        return std::nullopt;
    return std::move(reading.entries);
}

std::optional<std::vector<TapeEntry>> BroadcastData::parse(const QByteArray &bytes)
{
    BroadcastReading reading = read(bytes);
    if (!reading.ok())
        return std::nullopt;
    return std::move(reading.entries);
}

BroadcastReading BroadcastData::readFile(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return fileFault(BroadcastProblem::CannotOpen);
    if (file.size() > MaxFileBytes)
        return fileFault(BroadcastProblem::TooLarge);
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fileFault(BroadcastProblem::CannotOpen);
    if (bytes.size() > MaxFileBytes)
        return fileFault(BroadcastProblem::TooLarge);
    return read(bytes);
}

BroadcastReading BroadcastData::read(const QByteArray &bytes)
{
    QByteArray content = bytes;
    // Files written by old editors may end in an end-of-file mark.
    if (content.endsWith('\x1a'))
        content.chop(1);
    if (content.isEmpty())
        return fileFault(BroadcastProblem::Empty);

    BroadcastReading reading;
    const QList<QByteArray> lines = splitLines(content);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        TapeEntry entry;
        if (const auto fault = readLine(lines[i], int(i + 1), entry))
            reading.faults.push_back(*fault);
        else
            reading.entries.push_back(std::move(entry));
    }
    return reading;
}

} // namespace sound
