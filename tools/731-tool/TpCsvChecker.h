#pragma once

#include "731-tool/FolderChecker.h"

namespace tool {

// Broadcast data files "<route>tp.csv": whether the tape opens the file for its route, and
// every line its reader refuses (the tape refuses a file with any bad line). The file is read
// by the tape's own reader, so that check and the program never judge a file differently.
class TpCsvChecker final : public FolderChecker
{
public:
    bool claims(const QString &fileName) const override;
    void check(const QString &path, std::vector<Finding> &findings) const override;
};

} // namespace tool
