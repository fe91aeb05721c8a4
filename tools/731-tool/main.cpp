// 731-tool: the simulator's companion for its data files. Commands are put together here;
// each lives in its own source with its help text.
#include "731-tool/CheckCommand.h"
#include "731-tool/CommandTable.h"
#include "731-tool/Hy3Commands.h"
#include "731-tool/PluginCommands.h"
#include "731-tool/RenderCommand.h"
#include "731-tool/SendCommand.h"
#include "731-tool/SettingsCommands.h"
#include "731-tool/TpCommands.h"

#include <QStringList>

#include <iostream>

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    tool::CommandTable table(QStringLiteral(HARUNE_VERSION));
    tool::AddHy3Commands(table);
    tool::AddTpCommands(table);
    tool::AddCheckCommand(table);
    tool::AddPluginCommands(table);
    tool::AddRenderCommand(table);
    tool::AddSettingsCommands(table);
    tool::AddSendCommands(table);

    tool::ToolIo io{std::cout, std::cerr};
    const int status = table.run(args, io);
    std::cout.flush();
    return status;
}
