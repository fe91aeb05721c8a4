#include "app/CommandLine.h"

#include "base/ProgramInfo.h"

#include <cstring>
#include <ostream>

namespace app {

CommandLine::Request CommandLine::parse(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return Request::ShowHelp;
        if (std::strcmp(argv[i], "--version") == 0)
            return Request::ShowVersion;
    }
    return Request::RunProgram;
}

std::optional<int> CommandLine::answer(int argc, const char *const *argv, std::ostream &out)
{
    const Request request = parse(argc, argv);
    if (request == Request::RunProgram)
        return std::nullopt;
    // Named after the running file, like the caption and the settings file.
    const QString program = base::executableBaseName();
    const QString text = request == Request::ShowHelp ? helpText(program) : versionText(program);
    out << text.toStdString() << std::flush;
    return 0;
}

QString CommandLine::helpText(const QString &programName)
{
    return QStringLiteral(
               "Usage: %1 [--help | --version]\n"
               "ハルネ: the fare display unit at the front of a Japanese route bus (model 731)\n"
               "and the driver's console. Opens the panel and the console; everything else is\n"
               "chosen in the options (\"設定...\") and kept in the settings file.\n"
               "\n"
               "  -h, --help     show this help and end\n"
               "      --version  show the version and end\n"
               "\n"
               "Routes are read from <route>.hy3 in the fare data folder chosen in the options,\n"
               "or from the working folder when none is chosen. Settings are kept in %1.in4\n"
               "beside the program, or in ~/.config/harune/ for an installed program or one\n"
               "whose folder cannot be written. Qt's own options (-display, -platform, ...)\n"
               "are accepted. See %1(1).\n")
        .arg(programName);
}

QString CommandLine::versionText(const QString &programName)
{
    return QStringLiteral("%1 (ハルネ) %2\n").arg(programName, QStringLiteral(HARUNE_VERSION));
}

} // namespace app
