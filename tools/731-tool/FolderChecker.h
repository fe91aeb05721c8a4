#pragma once

#include <QString>

#include <vector>

namespace tool {

// One finding of `check`: the file, and what is wrong with it (with the record or line).
struct Finding
{
    QString file;
    QString what;

    QString line() const { return file + QStringLiteral(": ") + what; }
};

// Checks one kind of data file in a folder. `check` asks every checker about every file of the
// folder; a checker looks at the files it claims and adds what it finds.
class FolderChecker
{
public:
    virtual ~FolderChecker() = default;
    virtual bool claims(const QString &fileName) const = 0;
    virtual void check(const QString &path, std::vector<Finding> &findings) const = 0;
};

} // namespace tool
