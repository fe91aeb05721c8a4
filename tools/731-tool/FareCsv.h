#pragma once

#include "fare/Hy3Record.h"

#include <QString>
#include <QStringList>

namespace tool {

// The CSV form of a fare data file: a header line "name,ticket,f1,...,f150", then one line per
// record: the stop name, the ticket number and the 150 fares. Fields are written as
// QuoteCsvField writes them.
QString FareCsvHeader();
QString FareCsvLine(const QString &name, const fare::Hy3Record &record);

// What the first row of a fare CSV is. A first row whose ticket field is not a number is a
// header; the header names of the English and of the Japanese form are known.
enum class FareCsvHeaderKind {
    None,     // a record
    English,  // name,ticket,...
    Japanese, // 停留所名,整理券番号,...
    Unknown,  // other words: taken for a header all the same
};
FareCsvHeaderKind FareCsvHeaderOf(const QStringList &fields);

// A CSV row turned into a record, or the reason it cannot be one.
struct CsvRecord
{
    fare::Hy3Record record;
    QString error; // names the field and what is wrong
};

// Converts a row: the name must be writable in CP932 (control pictures stand for controls);
// the ticket number must be there; ticket and fares are whole numbers in signed 16 bits;
// fares left out at the end, and empty fares, are 0.
CsvRecord RecordFromCsv(const QStringList &fields);

} // namespace tool
