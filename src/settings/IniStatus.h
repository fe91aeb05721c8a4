#pragma once

#include <QString>

namespace settings {

// The outcome of reading or writing the settings file. A missing file (or a file name that
// cannot name a file) is its own kind because loading stays silent about it; every other
// failure carries a number and a description for the "エラー Code:" message.
struct IniStatus
{
    enum class Kind { Ok, Missing, Failed };

    // Failure numbers, stable across releases.
    enum Code {
        NoError = 0,
        ValueTooLong = 5,
        BadFileName = 52,
        FileNotFound = 53,
        DeviceIoError = 57,
        DiskFull = 61,
        PermissionDenied = 70,
        PathAccessError = 75,
    };

    Kind kind = Kind::Ok;
    int code = NoError;
    QString description;

    bool ok() const { return kind == Kind::Ok; }
    bool missing() const { return kind == Kind::Missing; }
    bool failed() const { return kind == Kind::Failed; }

    static IniStatus success() { return {}; }
    static IniStatus missingFile(Code code, const QString &description);
    static IniStatus failure(Code code, const QString &description);

    // The fixed wording that goes with each failure number.
    static QString codeText(Code code);

    // The text of the message box shown for a failure.
    QString message() const { return errorMessage(code, description); }
    static QString errorMessage(int code, const QString &description);
};

} // namespace settings
