#pragma once

#include "fare/Hy3Record.h"

#include <QString>

#include <vector>

class QIODevice;

namespace fare {

// What went wrong while reading a fare data file. Reading stops at the first problem.
enum class Hy3Problem {
    None,
    CannotOpen, // the file could not be opened (systemError says why)
    NoCount,    // fewer than two bytes: not even the record count is there
    Truncated,  // record `problemRecord` ends before its last byte
    BadName,    // the name of record `problemRecord` is not valid CP932
};

// A fare data file as read. The layout, little-endian:
//   N (int16), then N records of: L (uint16), L name bytes (CP932), TicketNo (int16),
//   Fares(1)..Fares(150) (int16 each).
// Nothing after the N-th record belongs to the data.
struct Hy3Content
{
    Hy3Problem problem = Hy3Problem::None;
    QString systemError;            // CannotOpen only
    int16_t count = 0;              // N as stored; may be 0, negative or above 301
    std::vector<Hy3Record> records; // the records read before reading stopped
    int problemRecord = 0;          // 1-based record of a Truncated or BadName problem
    qint64 problemOffset = 0;       // byte offset where that record starts
    qint64 trailingBytes = 0;       // bytes after record N, once all N records were read
    qint64 size = 0;                // bytes in the file
    QByteArray badName;             // the name bytes of a BadName problem

    bool ok() const { return problem == Hy3Problem::None; }
    // All of the N records were read (a negative N counts as no records).
    bool complete() const { return qsizetype(records.size()) == qMax<qsizetype>(count, 0); }
};

// Reads fare data files. The device is read record by record and never trusted for sizes:
// a name length beyond the end of the file is a truncation, not an allocation.
class Hy3Reader
{
public:
    // Reads the count and at most `maxRecords` of the N records (all of them by default).
    static Hy3Content ReadFile(const QString &path, int maxRecords = Hy3MaxCount);
    static Hy3Content Read(QIODevice &device, int maxRecords = Hy3MaxCount);
    static Hy3Content Parse(const QByteArray &bytes, int maxRecords = Hy3MaxCount);
};

} // namespace fare
