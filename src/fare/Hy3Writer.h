#pragma once

#include "fare/Hy3Record.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace fare {

// Writes fare data files in the layout Hy3Reader reads. The writer only checks what the
// format itself cannot hold (more than 32767 records, a name longer than 65535 bytes); limits
// of the program (301 rows) are the caller's to enforce.
class Hy3Writer
{
public:
    // The file's bytes; empty with *error set when the records do not fit the format.
    static QByteArray Encode(const std::vector<Hy3Record> &records, QString *error = nullptr);

    // Writes the file through base::AtomicFile: a failure (a full disk, say) leaves no new
    // file behind and an existing file untouched, and *error holds the system's reason.
    static bool WriteFile(const QString &path, const std::vector<Hy3Record> &records,
                          QString *error = nullptr);
};

} // namespace fare
