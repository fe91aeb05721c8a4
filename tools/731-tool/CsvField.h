#pragma once

#include <QString>

namespace tool {

// Control characters (U+0000..U+001F and U+007F) never reach a terminal: the tool writes each
// as its picture (U+2400..U+241F, U+2421: ␛ for ESC, ␍␊ for CR LF), and reads the pictures
// back as the characters. No picture can be written in Shift-JIS, so a picture in a CSV field
// always stands for its control character.
QString ShowControls(const QString &text);
QString RestoreControls(const QString &text);

// A field as the tool writes it in CSV: controls shown as pictures, and in double quotes (with
// quotes doubled) when it holds a comma, a quote or a control character.
QString QuoteCsvField(const QString &field);

// A whole number in decimal, with an optional sign and blanks around it.
bool IsWholeNumber(const QString &text);

} // namespace tool
