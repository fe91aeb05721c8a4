#pragma once

#include "731-tool/CommandTable.h"

namespace tool {

// "plugin check FILE.4SP": loads a ticket plug-in as the program does and says what is wrong
// with it, or what it reports.
void AddPluginCommands(CommandTable &table);

int CheckPlugin(const QString &path, ToolIo &io);

} // namespace tool
