#include "speech/ReadingCorrections.h"

#include "base/Cp932.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace speech {
namespace {

struct BuiltIn
{
    const char16_t *word;
    const char16_t *reading;
    const char16_t *partOfSpeech;
    ReadingCorrections::Context context;
};

// Announcement words the dictionary misreads: お降り as オフリ, the 方 of "お降りの方" as
// ホー, the doors of the bus as ゼントビラ and ゴトビラ. Stop names belong in a route's
// readings file, since each route has its own.
constexpr BuiltIn BuiltInReadings[] = {
    {u"お降り", u"オオリ", u"", ReadingCorrections::Context::Anywhere},
    {u"方", u"カタ", u"名詞", ReadingCorrections::Context::AfterHonorificNo},
    {u"前扉", u"マエトビラ", u"", ReadingCorrections::Context::Anywhere},
    {u"中扉", u"ナカトビラ", u"", ReadingCorrections::Context::Anywhere},
    {u"後扉", u"ウシロトビラ", u"", ReadingCorrections::Context::Anywhere},
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
    for (const BuiltIn &entry : BuiltInReadings) {
        add(QString::fromUtf16(entry.word), QString::fromUtf16(entry.reading),
            QString::fromUtf16(entry.partOfSpeech), entry.context);
    }
}

QString ReadingCorrections::defaultUserFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("harune/speech-readings.txt"));
}

QString ReadingCorrections::routeFile(const QString &folder)
{
    return QDir(folder.isEmpty() ? QStringLiteral(".") : folder).filePath(QStringLiteral("readings.txt"));
}

bool ReadingCorrections::addFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (file.size() > MaxFileBytes)
        return false;
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes)
        return false;
    // A route's file may come from the same editor as its Shift-JIS broadcast data.
    const bool utf8 = QString::fromUtf8(bytes).toUtf8() == bytes;
    const QString text = utf8 || !base::Cp932::isValid(bytes) ? QString::fromUtf8(bytes) : base::Cp932::toUnicode(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || !isPlainText(line))
            continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() < 2 || fields.size() > 3)
            continue;
        const QString word = fields[0].trimmed().toString();
        const QString reading = fields[1].trimmed().toString();
        const QString partOfSpeech = fields.size() > 2 ? fields[2].trimmed().toString() : QString();
        if (!word.isEmpty() && !reading.isEmpty())
            add(word, reading, partOfSpeech);
    }
    return true;
}

void ReadingCorrections::add(const QString &word, const QString &reading, const QString &partOfSpeech,
                             Context context)
{
    // Texts are normalised before they are looked up, so the words must be as well.
    const QString key = word.normalized(QString::NormalizationForm_KC);
    if (key.isEmpty())
        return;
    m_entries.insert(key, {reading.normalized(QString::NormalizationForm_KC), partOfSpeech, context});
    m_longest = std::max(m_longest, int(key.size()));
}

const ReadingCorrections::Entry *ReadingCorrections::find(const QString &word) const
{
    auto it = m_entries.constFind(word);
    return it == m_entries.constEnd() ? nullptr : &*it;
}

} // namespace speech
