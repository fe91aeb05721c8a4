#pragma once

#include <QByteArray>
#include <QString>

namespace base {

// The Japanese ANSI code page of the files and byte-wise functions this program deals with.
// Every conversion between text and bytes goes through here, whatever the process locale.
class Cp932
{
public:
    // Text to code-page bytes. Characters the code page cannot hold become '?' and clear *ok.
    static QByteArray fromUnicode(const QString &text, bool *ok = nullptr);

    // Code-page bytes to text. A byte that does not start a valid character (a lone lead byte,
    // a stray trail byte, an unassigned code) becomes U+30FB, the code page's own default
    // character, and clears *ok; decoding then goes on with the next byte.
    static QString toUnicode(const QByteArray &bytes, bool *ok = nullptr);

    // True when every byte sequence of `bytes` is a character of the code page.
    static bool isValid(const QByteArray &bytes);

    // True when `text` can be written in the code page without loss.
    static bool canEncode(const QString &text);

    static constexpr char16_t DefaultChar = u'\u30FB';
};

} // namespace base
