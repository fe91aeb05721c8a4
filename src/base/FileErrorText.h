#pragma once

#include <QFileDevice>
#include <QString>

namespace base {

// Why a file could not be opened, read or written, in Japanese, for the messages the user
// reads. Qt's and the system's own reasons are in English.
class FileErrorText
{
public:
    // From the kind of failure Qt reported for the file at `path`, and what is at that path now.
    static QString of(QFileDevice::FileError error, const QString &path);
    // From the system's error number (errno).
    static QString ofSystemError(int error);
};

} // namespace base
