#pragma once

// Runs the tool's commands in process, as main() puts them together.

#include "731-tool/CheckCommand.h"
#include "731-tool/CommandTable.h"
#include "731-tool/Hy3Commands.h"
#include "731-tool/PluginCommands.h"
#include "731-tool/TpCommands.h"

#include <QFile>
#include <QString>

#include <sstream>
#include <string>

namespace tooltest {

struct ToolRun
{
    int status = -1;
    QString out;
    QString err;
};

inline ToolRun RunTool(const QStringList &args, tool::Checkers checkers = tool::DefaultCheckers())
{
    tool::CommandTable table;
    tool::AddHy3Commands(table);
    tool::AddTpCommands(table);
    tool::AddCheckCommand(table, std::move(checkers));
    tool::AddPluginCommands(table);
    std::ostringstream out, err;
    tool::ToolIo io{out, err};
    ToolRun run;
    run.status = table.run(args, io);
    run.out = QString::fromStdString(out.str());
    run.err = QString::fromStdString(err.str());
    return run;
}

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QString DemoFile(const QString &name)
{
    return QStringLiteral(HARUNE_SOURCE_DIR "/data/demo/") + name;
}

} // namespace tooltest
