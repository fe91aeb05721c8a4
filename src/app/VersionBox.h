#pragma once

#include <QString>

namespace app {

// The text of the version box "ﾊﾞｰｼﾞｮﾝ": five lines, each ended by CR LF: the model (the
// program's base name), the version with its service release, an empty line, the distributor
// and the developer with the current year.
QString VersionBoxText(const QString &programName, int year);

} // namespace app
