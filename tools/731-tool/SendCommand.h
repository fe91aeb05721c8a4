#pragma once

#include "731-tool/CommandTable.h"

namespace tool {

// "send ...": the running program's console driven over the session bus.
void AddSendCommands(CommandTable &table);

} // namespace tool
