#include "731-tool/CsvReader.h"

#include <QIODevice>

namespace tool {
namespace {

constexpr qint64 ChunkBytes = 64 * 1024;

} // namespace

bool CsvReader::get(char &c)
{
    if (m_pos >= m_buffer.size()) {
        m_buffer = m_device.read(ChunkBytes);
        m_pos = 0;
        if (m_buffer.isEmpty())
            return false;
    }
    c = m_buffer[m_pos++];
    return true;
}

bool CsvReader::peekIs(char c)
{
    char next = 0;
    if (!get(next))
        return false;
    --m_pos; // get() left the byte in the buffer
    return next == c;
}

bool CsvReader::fail(int line, const QString &why)
{
    m_error = why;
    m_errorLine = line;
    return false;
}

bool CsvReader::next(CsvByteRow &row)
{
    if (!m_error.isEmpty())
        return false;
    row = CsvByteRow{m_line, {}};
    QByteArray field;
    qsizetype rowBytes = 0;
    bool quoted = false;     // inside a quoted field
    bool afterQuote = false; // a quoted field has just closed
    bool any = false;        // the row has begun
    char c = 0;
    while (get(c)) {
        any = true;
        if (++rowBytes > MaxRowBytes)
            return fail(row.line, QStringLiteral("the row is longer than %1 MiB (is a quote left open?)")
                                      .arg(MaxRowBytes >> 20));
        if (quoted) {
            if (c != '"') {
                field += c;
                // A line break inside the field: CR LF counts once, at its LF.
                if (c == '\n' || (c == '\r' && !peekIs('\n')))
                    ++m_line;
            } else if (peekIs('"')) {
                get(c);
                field += '"';
            } else {
                quoted = false;
                afterQuote = true;
            }
            continue;
        }
        if (c == ',') {
            row.fields << field;
            field.clear();
            afterQuote = false;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && peekIs('\n'))
                get(c);
            ++m_line;
            row.fields << field;
            return true;
        } else if (afterQuote) {
            return fail(m_line, QStringLiteral("text after the closing quote of a field"));
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted)
        return fail(row.line, QStringLiteral("a quoted field is not closed"));
    if (!any)
        return false;
    row.fields << field;
    return true;
}

} // namespace tool
