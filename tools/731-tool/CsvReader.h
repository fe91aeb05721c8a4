#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

class QIODevice;

namespace tool {

// A row of a CSV file as bytes, with the line it starts on (1-based).
struct CsvByteRow
{
    int line = 0;
    QByteArrayList fields;

    // A row of nothing but blanks: an empty line.
    bool blank() const { return fields.size() == 1 && fields[0].trimmed().isEmpty(); }
};

// Reads the rows of a CSV text one at a time, as bytes, so that a large file is never held
// whole. A row ends in LF, CR LF or CR outside quotes; a field in double quotes may hold
// commas, line breaks and doubled quotes. The bytes of comma, quote, CR and LF never stand
// inside a character in UTF-8 nor in Shift-JIS, so rows split the same whichever the text is
// and can be decoded afterwards.
class CsvReader
{
public:
    explicit CsvReader(QIODevice &device) : m_device(device) {}

    // The next row; false at the end of the text or at an error.
    bool next(CsvByteRow &row);

    // Why reading stopped early, and on which line; empty at the end of the text.
    const QString &error() const { return m_error; }
    int errorLine() const { return m_errorLine; }

    // A longer row is no row of a data file (a quote left open swallows the rest of the file).
    static constexpr qsizetype MaxRowBytes = 1024 * 1024;

private:
    bool get(char &c);
    bool peekIs(char c);
    bool fail(int line, const QString &why);

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    int m_line = 1;
    QString m_error;
    int m_errorLine = 0;
};

} // namespace tool
