#pragma once

#include "731-tool/FolderChecker.h"

namespace tool {

// Broadcast data files "<route>tp.csv": each line three values (text, step flag, sound flag)
// in Shift-JIS, as the announcement tape reads them; the tape refuses a file with any bad line.
class TpCsvChecker final : public FolderChecker
{
public:
    bool claims(const QString &fileName) const override;
    void check(const QString &path, std::vector<Finding> &findings) const override;
};

} // namespace tool
