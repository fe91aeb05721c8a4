#pragma once

#include "sound/BroadcastData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tool {

// The CSV form of broadcast data that tp dump writes and tp build reads: a header line
// "text,step,sound", then one line per announcement: the text, the step flag (1: the fare
// display steps with the announcement) and the sound flag (1 to 3: that pre-broadcast sound).
QString TapeCsvHeader();
QString TapeCsvLine(const sound::TapeEntry &entry);

// A first row whose step field is not a number is a header.
bool IsTapeCsvHeader(const QStringList &fields);

// A CSV row turned into an announcement, or the reason it cannot be one.
struct CsvTapeEntry
{
    sound::TapeEntry entry;
    QString error;
};

// Converts a row: exactly three fields; the text must be writable in Shift-JIS (control
// pictures stand for controls) and hold no line break; both flags are whole numbers in signed
// 16 bits.
CsvTapeEntry TapeEntryFromCsv(const QStringList &fields);

// The line of a broadcast data file for `entry`, as the tape reads it: Shift-JIS (CP932), the
// text in double quotes (quotes doubled), the two flags, CR LF.
QByteArray BroadcastLine(const sound::TapeEntry &entry);

// What the tape's reader found wrong, in the tool's words: "line N: ..." for a line.
QString DescribeBroadcastFault(const sound::BroadcastFault &fault);

} // namespace tool
