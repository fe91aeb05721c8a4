#pragma once

#include "fare/Hy3Record.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tool {

// The CSV form of a fare data file: UTF-8, a header line "name,ticket,f1,...,f150", then one
// line per record. Fields holding a comma, a quote or a line break are quoted, with quotes
// doubled.
QString FareCsvHeader();
QString FareCsvLine(const QString &name, const fare::Hy3Record &record);
QString QuoteCsvField(const QString &field);

// A row of a CSV text with the line it starts on (1-based).
struct CsvRow
{
    int line = 0;
    QStringList fields;
};

struct CsvText
{
    std::vector<CsvRow> rows;
    QString error; // empty when the text parsed
    int errorLine = 0;
};

// Splits CSV text into rows. Lines end in LF or CR LF; a quoted field may hold line breaks.
CsvText ParseCsv(const QString &text);

// A CSV row turned into a record, or the reason it cannot be one.
struct CsvRecord
{
    fare::Hy3Record record;
    QString error; // names the field and what is wrong
};

// Converts a row: the name must be writable in CP932; ticket and fares are whole numbers in
// signed 16 bits; missing trailing fields (and empty fields) are 0.
CsvRecord RecordFromCsv(const QStringList &fields);

// True when the row is the header line.
bool IsFareCsvHeader(const QStringList &fields);

} // namespace tool
