#pragma once

#include "731-tool/CommandTable.h"
#include "731-tool/FolderChecker.h"

#include <memory>
#include <vector>

namespace tool {

using Checkers = std::vector<std::shared_ptr<const FolderChecker>>;

// The checkers `check` runs: one per kind of data file. New kinds of file are added here.
Checkers DefaultCheckers();

// Checks every file of `folder` (not its subfolders) that a checker claims, in name order;
// prints one line per finding. ExitBadInput when there is any finding or no such folder.
int CheckFolder(const QString &folder, const Checkers &checkers, ToolIo &io);

// "check FOLDER"
void AddCheckCommand(CommandTable &table, Checkers checkers = DefaultCheckers());

} // namespace tool
