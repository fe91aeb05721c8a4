#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace speech {

// Words whose dictionary reading is wrong for a bus announcement, with the reading to use
// instead (katakana, as the voice is given it). A few are built in; more come from text files,
// one "word<TAB>reading" per line, optionally followed by "<TAB>part of speech" (名詞,
// 名詞,固有名詞, ...), with "#" starting a comment line. A word added later replaces one of the
// same spelling added before, so tables are filled from the most general to the most special.
//
// A correction applies to the text as the dictionary has cut it, never to the raw characters:
// a word must start and end where morphemes do ("方" corrects the noun 方 but leaves 方面
// alone), a part of speech given with it must be that of its first morpheme, and a word may ask
// for its place in the sentence (Context).
class ReadingCorrections
{
public:
    // Where in the sentence a correction holds.
    enum class Context {
        Anywhere,
        // Right after an honorific noun phrase and の: お降りの方, ご乗車の方, ご用の方. The
        // 方 of such phrases is a person (カタ); elsewhere (こちらの方が便利) it is a side (ホウ).
        AfterHonorificNo,
    };

    struct Entry
    {
        QString reading;
        QString partOfSpeech; // leading fields of the dictionary entry; empty for any
        Context context = Context::Anywhere;
    };

    // The built-in table.
    ReadingCorrections();

    // The user's own file: "speech-readings.txt" in the program's folder of the user's
    // configuration (~/.config/harune/ on most systems).
    static QString defaultUserFile();

    // The readings of the routes whose broadcast data lie in `folder`: "readings.txt" there.
    static QString routeFile(const QString &folder);

    // Adds the words of a file (UTF-8, or Shift-JIS when it is not UTF-8); false when it
    // cannot be read. Lines that are not "word<TAB>reading[<TAB>part of speech]" are passed
    // over, as are files larger than MaxFileBytes.
    bool addFile(const QString &path);

    void add(const QString &word, const QString &reading, const QString &partOfSpeech = {},
             Context context = Context::Anywhere);

    // The correction of `word`, or null when it has none.
    const Entry *find(const QString &word) const;

    // Length in characters of the longest word.
    int longestWord() const { return m_longest; }
    int size() const { return int(m_entries.size()); }

    static constexpr qint64 MaxFileBytes = 1 << 20;

private:
    QHash<QString, Entry> m_entries;
    int m_longest = 0;
};

} // namespace speech
