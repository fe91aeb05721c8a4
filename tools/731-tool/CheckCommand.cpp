#include "731-tool/CheckCommand.h"

#include "731-tool/Hy3Checker.h"
#include "731-tool/TpCsvChecker.h"

#include <QDir>
#include <QFileInfo>

namespace tool {
namespace {

const char *CheckHelp =
    R"(Checks the data files in FOLDER (not its subfolders) and prints one line per finding,
"FILE: what is wrong", naming the record or line where it applies. Every file is read by the
program's own reader, so check and the program never judge a file differently.

Fare data files (*.hy3): a name route setting never opens, a file that cannot be read or is
truncated, a record count of 0, 1, negative or above the 301 rows of the fare table, stop
names that are not valid Shift-JIS, fares in cells 1 to 30 that late-night fare cannot
double (above 16383), and bytes after the last record.

Broadcast data files (*tp.csv): a name the tape never opens, a file that is empty (or holds
only the end-of-file mark), larger than 4 MiB or unreadable, and every line the tape refuses:
a line must hold three values, the announcement text and two 16-bit flags, in Shift-JIS,
with a text that holds a comma in double quotes; no line may be blank. The tape refuses a
file with any bad line.

Exit status: 0 nothing found, 1 any finding or FOLDER cannot be read, 2 wrong usage.
)";

} // namespace

Checkers DefaultCheckers()
{
    return {std::make_shared<Hy3Checker>(), std::make_shared<TpCsvChecker>()};
}

int CheckFolder(const QString &folder, const Checkers &checkers, ToolIo &io)
{
    const QDir dir(folder);
    if (!QFileInfo(folder).isDir() || !QFileInfo(folder).isReadable()) {
        io.error(QStringLiteral("%1: no such folder, or it cannot be read").arg(folder));
        return ExitBadInput;
    }
    std::vector<Finding> findings;
    int checked = 0;
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        bool claimed = false;
        for (const auto &checker : checkers) {
            if (checker->claims(name)) {
                checker->check(dir.filePath(name), findings);
                claimed = true;
            }
        }
        checked += claimed ? 1 : 0;
    }
    for (const Finding &f : findings)
        io.println(f.line());
    io.error(QStringLiteral("%1: %2 checked, %3")
                 .arg(folder, Plural(checked, QStringLiteral("file")),
                      Plural(qsizetype(findings.size()), QStringLiteral("finding"))));
    return findings.empty() ? ExitOk : ExitBadInput;
}

void AddCheckCommand(CommandTable &table, Checkers checkers)
{
    table.add({{QStringLiteral("check")},
               QStringLiteral("FOLDER"),
               QStringLiteral("check every data file in a folder and list what is wrong"),
               QString::fromUtf8(CheckHelp),
               1,
               [checkers](const QStringList &operands, ToolIo &io) {
                   return CheckFolder(operands[0], checkers, io);
               }});
}

} // namespace tool
