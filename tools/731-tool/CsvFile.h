#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

namespace tool {

// The text encodings a CSV file is read in. Spreadsheet programs on Japanese systems save CSV
// in Shift-JIS (CP932) by default; others in UTF-8, with or without a byte order mark.
enum class CsvEncoding { Utf8, Utf8WithBom, ShiftJis };

QString EncodingName(CsvEncoding encoding);

// A row of a CSV file as text, with the line it starts on (1-based).
struct CsvRow
{
    int line = 0;
    QStringList fields;
};

// The rows of a CSV file that are not blank, decoded.
struct CsvFileText
{
    std::vector<CsvRow> rows;
    CsvEncoding encoding = CsvEncoding::Utf8;
    bool more = false; // reading stopped after `maxRows` rows; more follow
    QString error;     // empty when the text was read
    int errorLine = 0; // the line the error is on; 0 for the whole file
};

// Reads at most `maxRows` rows that are not blank, and no further. The encoding is decided by
// the content of the rows read: a byte order mark means UTF-8; otherwise text that is strictly
// UTF-8 is read as UTF-8, and anything else as Shift-JIS (CP932) when it is valid CP932.
CsvFileText ReadCsv(QIODevice &device, int maxRows);
CsvFileText ReadCsvFile(const QString &path, int maxRows);

} // namespace tool
