#pragma once

#include "731-tool/FolderChecker.h"

namespace tool {

// Fare data files (*.hy3): whether the program can open and use them as routes.
class Hy3Checker : public FolderChecker
{
public:
    bool claims(const QString &fileName) const override;
    void check(const QString &path, std::vector<Finding> &findings) const override;
};

} // namespace tool
