#include "731-tool/CsvFile.h"

#include "731-tool/CsvReader.h"

#include "base/Cp932.h"

#include <QFile>
#include <QStringDecoder>

namespace tool {
namespace {

bool IsUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // decodes only when converted
    return !decoder.hasError();
}

// The first row (its line) whose bytes `valid` refuses; 0 when every row passes.
template <typename Valid>
int FirstLineFailing(const std::vector<CsvByteRow> &rows, Valid valid)
{
    for (const CsvByteRow &row : rows) {
        for (const QByteArray &field : row.fields) {
            if (!valid(field))
                return row.line;
        }
    }
    return 0;
}

CsvFileText Fail(CsvFileText text, int line, const QString &why)
{
    text.rows.clear();
    text.error = why;
    text.errorLine = line;
    return text;
}

// UTF-16 is what "Unicode text" of spreadsheet programs means; CSV is not saved that way.
bool StartsAsUtf16(const QByteArray &start)
{
    return start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF");
}

} // namespace

QString EncodingName(CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8: return QStringLiteral("UTF-8");
    case CsvEncoding::Utf8WithBom: return QStringLiteral("UTF-8 with a byte order mark");
    case CsvEncoding::ShiftJis: return QStringLiteral("Shift-JIS (CP932)");
    }
    return {};
}

CsvFileText ReadCsv(QIODevice &device, int maxRows)
{
    CsvFileText text;
    const QByteArray start = device.peek(3);
    if (StartsAsUtf16(start))
        return Fail(std::move(text), 0,
                    QStringLiteral("the text is UTF-16; save it as CSV in UTF-8 or in Shift-JIS"));
    const bool bom = start == "\xEF\xBB\xBF";
    if (bom)
        device.read(3);

    CsvReader reader(device);
    std::vector<CsvByteRow> rows;
    CsvByteRow row;
    while (reader.next(row)) {
        if (row.blank())
            continue;
        if (int(rows.size()) == maxRows) {
            text.more = true;
            break;
        }
        rows.push_back(std::move(row));
    }
    if (!reader.error().isEmpty())
        return Fail(std::move(text), reader.errorLine(), reader.error());

    const int notUtf8 = FirstLineFailing(rows, IsUtf8);
    if (bom && notUtf8 > 0)
        return Fail(std::move(text), notUtf8,
                    QStringLiteral("the text is not UTF-8, though the file starts with a UTF-8 byte order mark"));
    if (const int notCp932 = notUtf8 > 0 ? FirstLineFailing(rows, base::Cp932::isValid) : 0; notCp932 > 0) {
        // The line named is where the reading that goes further breaks.
        QString why = QStringLiteral("the text is neither UTF-8 nor Shift-JIS (CP932)");
        if (notCp932 != notUtf8)
            why += QStringLiteral("; the lines before this one read as %1")
                       .arg(notCp932 > notUtf8 ? QStringLiteral("Shift-JIS") : QStringLiteral("UTF-8"));
        return Fail(std::move(text), qMax(notUtf8, notCp932), why);
    }

    text.encoding = bom ? CsvEncoding::Utf8WithBom : notUtf8 > 0 ? CsvEncoding::ShiftJis : CsvEncoding::Utf8;
    for (const CsvByteRow &raw : rows) {
        CsvRow decoded{raw.line, {}};
        for (const QByteArray &field : raw.fields)
            decoded.fields << (notUtf8 > 0 ? base::Cp932::toUnicode(field) : QString::fromUtf8(field));
        text.rows.push_back(std::move(decoded));
    }
    return text;
}

CsvFileText ReadCsvFile(const QString &path, int maxRows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CsvFileText text;
        text.error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return text;
    }
    return ReadCsv(file, maxRows);
}

} // namespace tool
