#pragma once

#include "speech/ReadingCorrections.h"

#include <QString>

#include <memory>
#include <vector>

namespace MeCab {
class Tagger;
}

namespace speech {

// Turns Japanese text into the katakana reading the voice is given: the text is normalised
// (NFKC: full-width letters and digits become ASCII, half-width kana full-width), cut into
// morphemes by MeCab with the IPA dictionary, each morpheme replaced by its pronunciation
// (次は becomes ツギワ), then the corrections table applied to the morphemes with their parts
// of speech. Words the dictionary does not know pass through as written. A space separates
// phrases, so that the voice accents each one.
//
// One reader is used by one thread at a time.
class SpeechReader
{
public:
    static constexpr const char *DefaultDictionary = "/var/lib/mecab/dic/ipadic-utf8";
    // Text beyond this many characters is not read.
    static constexpr int MaxTextLength = 4096;

    // Null when the dictionary cannot be opened.
    static std::unique_ptr<SpeechReader> create(const QString &dictionaryDir,
                                                ReadingCorrections corrections = {});
    using SharedCorrections = std::shared_ptr<const ReadingCorrections>;
    ~SpeechReader();
    SpeechReader(const SpeechReader &) = delete;
    SpeechReader &operator=(const SpeechReader &) = delete;

    QString reading(const QString &text);

    // The table the next readings use.
    void setCorrections(SharedCorrections corrections);
    const SharedCorrections &corrections() const { return m_corrections; }

private:
    struct Morpheme
    {
        QString surface;
        QString reading;
        QStringList features; // the dictionary entry: part of speech and its subclasses first
        QString partOfSpeech; // first field of the dictionary entry (名詞, 助詞, ...)
        QString subclass;     // second field (一般, 接尾, 非自立, ...)
        bool spaceBefore = false; // the text had white space before it
    };

    SpeechReader(MeCab::Tagger *tagger, SharedCorrections corrections);
    std::vector<Morpheme> analyse(const QString &text);
    std::vector<Morpheme> corrected(const std::vector<Morpheme> &morphemes) const;
    static bool holdsAt(const ReadingCorrections::Entry &entry, const std::vector<Morpheme> &morphemes, size_t at);
    static bool followsHonorificNo(const std::vector<Morpheme> &morphemes, size_t at);
    static bool startsPhrase(const Morpheme &m);
    static bool joinsNext(const Morpheme &m);

    std::unique_ptr<MeCab::Tagger> m_tagger;
    SharedCorrections m_corrections;
};

} // namespace speech
