#pragma once

#include "platform/ReadingCorrections.h"

#include <QString>

#include <memory>
#include <vector>

namespace MeCab {
class Tagger;
}

namespace platform {

// Turns Japanese text into the katakana reading the voice is given: the text is normalised
// (NFKC: full-width letters and digits become ASCII, half-width kana full-width), cut into
// morphemes by MeCab with the IPA dictionary, each morpheme replaced by its pronunciation
// (次は becomes ツギワ), then the corrections table applied. Words the dictionary does not
// know pass through as written. A space separates phrases, so that the voice accents each one.
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
    ~SpeechReader();
    SpeechReader(const SpeechReader &) = delete;
    SpeechReader &operator=(const SpeechReader &) = delete;

    QString reading(const QString &text);

private:
    struct Morpheme
    {
        QString surface;
        QString reading;
        QString partOfSpeech; // first field of the dictionary entry (名詞, 助詞, ...)
        QString subclass;     // second field (一般, 接尾, 非自立, ...)
        bool spaceBefore = false; // the text had white space before it
    };

    SpeechReader(MeCab::Tagger *tagger, ReadingCorrections corrections);
    std::vector<Morpheme> analyse(const QString &text);
    std::vector<Morpheme> corrected(const std::vector<Morpheme> &morphemes) const;
    static bool startsPhrase(const Morpheme &m);
    static bool joinsNext(const Morpheme &m);

    std::unique_ptr<MeCab::Tagger> m_tagger;
    ReadingCorrections m_corrections;
};

} // namespace platform
