#pragma once

#include "731-tool/ToolCommand.h"

#include <utility>
#include <vector>

namespace tool {

// The tool's commands and their dispatch. A command is found by its words; `--help` (or -h)
// anywhere after the words shows its help, and the words of a group alone ("hy3") list the
// group's commands. `--version` alone shows the version.
class CommandTable
{
public:
    explicit CommandTable(QString version = QString()) : m_version(std::move(version)) {}

    void add(ToolCommand command);

    // Runs the command line (without the program name) and returns the exit status.
    int run(const QStringList &args, ToolIo &io) const;

private:
    const ToolCommand *find(const QStringList &args) const;
    QList<const ToolCommand *> group(const QStringList &words) const;
    void listCommands(const QList<const ToolCommand *> &commands, std::ostream &stream) const;
    int runCommand(const ToolCommand &command, const QStringList &operands, ToolIo &io) const;

    QString m_version;
    std::vector<ToolCommand> m_commands;
};

} // namespace tool
