#include "speech/SpeechReader.h"

#include <QFile>
#include <QFileInfo>

#include <mecab.h>

namespace speech {
namespace {

QString field(const QStringList &fields, int i)
{
    return i < fields.size() && fields[i] != u'*' ? fields[i] : QString();
}

// White space and control characters all become plain spaces, which MeCab passes over.
QString plainText(const QString &text)
{
    QString plain = text.left(SpeechReader::MaxTextLength).normalized(QString::NormalizationForm_KC);
    for (QChar &c : plain) {
        if (c.isSpace() || c.category() == QChar::Other_Control || c.isNull())
            c = u' ';
    }
    return plain;
}

} // namespace

std::unique_ptr<SpeechReader> SpeechReader::create(const QString &dictionaryDir, ReadingCorrections corrections)
{
    // MeCab prints nothing and returns null when the dictionary is missing; check first all the
    // same, as an empty folder name would make it fall back to the system's default dictionary.
    if (dictionaryDir.isEmpty() || !QFileInfo(dictionaryDir + QStringLiteral("/sys.dic")).isFile())
        return nullptr;
    // No resource file: the user's own MeCab settings must not change what is read aloud.
    const QByteArray arguments = "-r /dev/null -d " + QFile::encodeName(dictionaryDir);
    MeCab::Tagger *tagger = MeCab::createTagger(arguments.constData());
    if (!tagger)
        return nullptr;
    return std::unique_ptr<SpeechReader>(
        new SpeechReader(tagger, std::make_shared<const ReadingCorrections>(std::move(corrections))));
}

SpeechReader::SpeechReader(MeCab::Tagger *tagger, SharedCorrections corrections)
    : m_tagger(tagger), m_corrections(std::move(corrections))
{
}

void SpeechReader::setCorrections(SharedCorrections corrections)
{
    if (corrections)
        m_corrections = std::move(corrections);
}

SpeechReader::~SpeechReader() = default;

QString SpeechReader::reading(const QString &text)
{
    QString out;
    const std::vector<Morpheme> morphemes = corrected(analyse(plainText(text)));
    const Morpheme *previous = nullptr;
    for (const Morpheme &m : morphemes) {
        const bool space = previous && (m.spaceBefore || (startsPhrase(m) && !joinsNext(*previous)));
        if (space && !out.endsWith(u' '))
            out += u' ';
        out += m.reading;
        previous = &m;
    }
    return out.trimmed();
}

std::vector<SpeechReader::Morpheme> SpeechReader::analyse(const QString &text)
{
    std::vector<Morpheme> morphemes;
    const QByteArray utf8 = text.toUtf8();
    const MeCab::Node *node = m_tagger->parseToNode(utf8.constData(), size_t(utf8.size()));
    for (; node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        Morpheme m;
        m.surface = QString::fromUtf8(node->surface, node->length);
        const QStringList fields = QString::fromUtf8(node->feature).split(u',');
        m.features = fields;
        m.partOfSpeech = field(fields, 0);
        m.subclass = field(fields, 1);
        // Field 8 is the pronunciation (ワ for the particle は), field 7 the reading; words the
        // dictionary does not know have neither.
        m.reading = field(fields, 8);
        if (m.reading.isEmpty())
            m.reading = field(fields, 7);
        if (m.reading.isEmpty())
            m.reading = m.surface;
        m.spaceBefore = node->rlength > node->length;
        morphemes.push_back(std::move(m));
    }
    return morphemes;
}

std::vector<SpeechReader::Morpheme> SpeechReader::corrected(const std::vector<Morpheme> &morphemes) const
{
    const ReadingCorrections &table = *m_corrections;
    std::vector<Morpheme> out;
    const size_t n = morphemes.size();
    for (size_t i = 0; i < n;) {
        // The longest run of whole morphemes, from here, that the table knows and whose
        // conditions hold here.
        size_t matchedEnd = 0;
        QString matchedReading;
        QString word;
        for (size_t j = i; j < n; ++j) {
            word += morphemes[j].surface;
            if (word.size() > table.longestWord())
                break;
            const ReadingCorrections::Entry *entry = table.find(word);
            if (entry && holdsAt(*entry, morphemes, i)) {
                matchedEnd = j + 1;
                matchedReading = entry->reading;
            }
        }
        if (matchedEnd == 0) {
            out.push_back(morphemes[i]);
            ++i;
            continue;
        }
        Morpheme merged = morphemes[i];
        for (size_t j = i + 1; j < matchedEnd; ++j)
            merged.surface += morphemes[j].surface;
        merged.reading = matchedReading;
        // The run joins what follows as its last morpheme would: お+降り is a noun.
        merged.partOfSpeech = morphemes[matchedEnd - 1].partOfSpeech;
        merged.subclass = morphemes[matchedEnd - 1].subclass;
        if (matchedEnd - i > 1 && morphemes[i].partOfSpeech == QStringLiteral("接頭詞"))
            merged.partOfSpeech = QStringLiteral("名詞");
        out.push_back(std::move(merged));
        i = matchedEnd;
    }
    return out;
}

// The part of speech of a correction names the leading fields of its first morpheme's entry:
// "名詞" any noun, "名詞,固有名詞" a proper noun.
bool SpeechReader::holdsAt(const ReadingCorrections::Entry &entry, const std::vector<Morpheme> &morphemes, size_t at)
{
    if (!entry.partOfSpeech.isEmpty()) {
        const QStringList wanted = entry.partOfSpeech.split(u',');
        const QStringList &features = morphemes[at].features;
        if (wanted.size() > features.size())
            return false;
        for (qsizetype k = 0; k < wanted.size(); ++k) {
            if (wanted[k].trimmed() != features[k])
                return false;
        }
    }
    switch (entry.context) {
    case ReadingCorrections::Context::Anywhere:
        return true;
    case ReadingCorrections::Context::AfterHonorificNo:
        return followsHonorificNo(morphemes, at);
    }
    return false;
}

// お降り|の|方, ご|乗車|の|方, ご用|の|方: the particle の, and before it a run of nouns led
// by the prefix お, ご or 御, or whose first noun is a common noun written with one.
bool SpeechReader::followsHonorificNo(const std::vector<Morpheme> &morphemes, size_t at)
{
    if (at < 2 || morphemes[at - 1].surface != u"の" || morphemes[at - 1].partOfSpeech != u"助詞")
        return false;
    const auto honorific = [](const QString &text) {
        return text.startsWith(u'お') || text.startsWith(u'ご') || text.startsWith(u'御');
    };
    size_t first = at - 1;
    while (first > 0 && morphemes[first - 1].partOfSpeech == u"名詞")
        --first;
    if (first == at - 1)
        return false; // no noun before の
    if (first > 0 && morphemes[first - 1].partOfSpeech == u"接頭詞" && honorific(morphemes[first - 1].surface))
        return true;
    // A place written with 御 (御殿場の方) is a direction, not a person.
    return honorific(morphemes[first].surface) && morphemes[first].subclass != u"固有名詞";
}

// A phrase starts with an independent word: a noun, verb, adjective, adverb and the like,
// or a prefix (お, ご) that leads one. Particles, auxiliaries, suffixes and dependent nouns
// and verbs (方 in お降りの方, ください) stay with the phrase before them.
bool SpeechReader::startsPhrase(const Morpheme &m)
{
    static const QStringList independent = {
        QStringLiteral("名詞"),   QStringLiteral("動詞"),   QStringLiteral("形容詞"),
        QStringLiteral("副詞"),   QStringLiteral("連体詞"), QStringLiteral("接続詞"),
        QStringLiteral("感動詞"), QStringLiteral("接頭詞"), QStringLiteral("フィラー"),
    };
    if (!independent.contains(m.partOfSpeech))
        return false;
    return m.subclass != QStringLiteral("接尾") && m.subclass != QStringLiteral("非自立");
}

// A prefix, a noun (compounds such as 県立図書館入口 stay one word) and punctuation never end
// a phrase before the next word.
bool SpeechReader::joinsNext(const Morpheme &m)
{
    return m.partOfSpeech == QStringLiteral("接頭詞") || m.partOfSpeech == QStringLiteral("名詞")
        || m.partOfSpeech == QStringLiteral("記号");
}

} // namespace speech
