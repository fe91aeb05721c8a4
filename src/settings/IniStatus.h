#pragma once

#include "base/LegacyError.h"

#include <QString>

namespace settings {

// The outcome of reading, writing or applying the settings file. A missing file (or a file
// name that cannot name a file) is its own kind because loading stays silent about it; every
// other failure carries a number and a description for the "エラー Code:" message.
struct IniStatus
{
    enum class Kind { Ok, Missing, Failed };

    Kind kind = Kind::Ok;
    base::LegacyError code = base::LegacyError::None;
    QString description;

    bool ok() const { return kind == Kind::Ok; }
    bool missing() const { return kind == Kind::Missing; }
    bool failed() const { return kind == Kind::Failed; }

    static IniStatus success() { return {}; }
    static IniStatus missingFile(base::LegacyError code, const QString &description);
    static IniStatus failure(base::LegacyError code, const QString &description);

    // The fixed wording that goes with each failure number the settings file reports.
    static QString codeText(base::LegacyError code);

    // The text of the message box shown for a failure.
    QString message() const { return errorMessage(code, description); }
    static QString errorMessage(base::LegacyError code, const QString &description);
};

} // namespace settings
