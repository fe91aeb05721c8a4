#pragma once

#include <QString>

namespace base {

// The executable's base name is the unit's model number ("731"); the caption, the version box,
// the sound channel aliases and the settings file are named after it.
QString executableBaseName();
// The folder the executable lies in.
QString executableFolder();

} // namespace base
