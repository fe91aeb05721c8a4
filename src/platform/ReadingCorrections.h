#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace platform {

// Words whose dictionary reading is wrong for a bus announcement, with the reading to use
// instead (katakana, as the voice is given it). A few are built in; the user adds more in a
// UTF-8 text file, one "word<TAB>reading" per line, with "#" starting a comment line. A word
// of the file replaces a built-in one of the same spelling.
//
// A word is matched against whole morphemes: it must start and end where the dictionary cuts
// the text, so "方" corrects the noun 方 but leaves 方面 alone.
class ReadingCorrections
{
public:
    // The built-in table.
    ReadingCorrections();

    // Where the user's file is looked for: "speech-readings.txt" in the program's folder of
    // the user's configuration (~/.config/harune/ on most systems).
    static QString defaultUserFile();

    // Adds the words of a file; false when it cannot be read. Lines that are not
    // "word<TAB>reading" are passed over, as are files larger than MaxFileBytes.
    bool addFile(const QString &path);

    void add(const QString &word, const QString &reading);

    // The reading of `word`, or a null string when it has none.
    QString reading(const QString &word) const { return m_readings.value(word); }

    // Length in characters of the longest word.
    int longestWord() const { return m_longest; }
    int size() const { return int(m_readings.size()); }

    static constexpr qint64 MaxFileBytes = 1 << 20;

private:
    QHash<QString, QString> m_readings;
    int m_longest = 0;
};

} // namespace platform
