#pragma once

#include "731-tool/CommandTable.h"

namespace tool {

// "settings dump": a settings file as JSON.
void AddSettingsCommands(CommandTable &table);

} // namespace tool
