#pragma once

#include "731-tool/CommandTable.h"

#include "fare/Hy3Reader.h"

namespace tool {

// "hy3 dump FILE.hy3" and "hy3 build IN.csv OUT.hy3".
void AddHy3Commands(CommandTable &table);

struct Hy3BuildOptions
{
    bool verbose = false; // say which encoding and header were read
    bool strict = false;  // warnings refuse the file
};

int DumpHy3(const QString &path, ToolIo &io);
int BuildHy3(const QString &csvPath, const QString &hy3Path, ToolIo &io, Hy3BuildOptions options = {});

// What is wrong with a fare data file as read, in the words dump and check use; empty when the
// file was read whole. `count` and the offsets come from the content.
QString DescribeHy3Problem(const fare::Hy3Content &content);

} // namespace tool
