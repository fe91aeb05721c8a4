#pragma once

#include "731-tool/CommandTable.h"

namespace tool {

// "tp dump FILE_tp.csv" and "tp build IN.csv OUT_tp.csv": broadcast data, the announcement
// tape's file, to and from CSV that spreadsheet programs read and write.
void AddTpCommands(CommandTable &table);

int DumpTp(const QString &path, ToolIo &io);
int BuildTp(const QString &csvPath, const QString &tpPath, ToolIo &io, bool verbose = false);

} // namespace tool
