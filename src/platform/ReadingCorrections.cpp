#include "platform/ReadingCorrections.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace platform {
namespace {

struct BuiltIn
{
    const char16_t *word;
    const char16_t *reading;
};

// Announcement words the dictionary misreads: お降り as オフリ, the 方 of "お降りの方" as
// ホー, the doors of the bus as ゼントビラ and ゴトビラ. Stop names belong in the user's
// file, since each route has its own.
constexpr BuiltIn BuiltInReadings[] = {
    {u"お降り", u"オオリ"},
    {u"方", u"カタ"},
    {u"前扉", u"マエトビラ"},
    {u"中扉", u"ナカトビラ"},
    {u"後扉", u"ウシロトビラ"},
};

// Bytes that are not UTF-8 decode to U+FFFD; such a line, or one with control characters,
// is not a word list's line.
bool isPlainText(QStringView text)
{
    for (QChar c : text) {
        if (c == QChar::ReplacementCharacter || (c.category() == QChar::Other_Control && c != u'\t'))
            return false;
    }
    return true;
}

} // namespace

ReadingCorrections::ReadingCorrections()
{
    for (const BuiltIn &entry : BuiltInReadings)
        add(QString::fromUtf16(entry.word), QString::fromUtf16(entry.reading));
}

QString ReadingCorrections::defaultUserFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("harune/speech-readings.txt"));
}

bool ReadingCorrections::addFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > MaxFileBytes)
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || !isPlainText(line))
            continue;
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        const QString word = line.left(tab).trimmed().toString();
        const QString reading = line.mid(tab + 1).trimmed().toString();
        if (!word.isEmpty() && !reading.isEmpty())
            add(word, reading);
    }
    return true;
}

void ReadingCorrections::add(const QString &word, const QString &reading)
{
    // Texts are normalised before they are looked up, so the words must be as well.
    const QString key = word.normalized(QString::NormalizationForm_KC);
    if (key.isEmpty())
        return;
    m_readings.insert(key, reading.normalized(QString::NormalizationForm_KC));
    m_longest = std::max(m_longest, int(key.size()));
}

} // namespace platform
