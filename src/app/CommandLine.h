#pragma once

#include <QString>

#include <iosfwd>
#include <optional>

namespace app {

// The program's command line. The program keeps no configuration there: it answers --help and
// --version and ends, before any application object exists, so both work without a display.
// Every other argument is left to Qt (-display, -platform, ...).
class CommandLine
{
public:
    enum class Request { RunProgram, ShowHelp, ShowVersion };

    // The first of --help/-h or --version among the arguments decides; none runs the program.
    static Request parse(int argc, const char *const *argv);

    // Answers a request for help or the version on out. Returns the exit status when the program
    // should end right away, nothing when it should start.
    static std::optional<int> answer(int argc, const char *const *argv, std::ostream &out);

    static QString helpText(const QString &programName);
    static QString versionText(const QString &programName);
};

} // namespace app
