#include "731-tool/SettingsCommands.h"

#include "settings/mdlIniIoEx.h"

#include <QFileInfo>

namespace tool {
namespace {

const char *DumpHelp =
    R"(Prints every field of the settings file FILE.in4 as JSON, keyed by record and field
names, as the program reads it: fields past the end of a short file keep their defaults,
and the stored cell count is shown though the program always reads 30 cells. An empty
file counts as no settings file at all.

Exit status: 0 printed, 1 the file is missing, empty or cannot be read, 2 wrong usage.
)";

int dump(const QStringList &operands, ToolIo &io)
{
    const QString &file = operands.first();
    const settings::IniLoadResult loaded = settings::mdlIniIoEx::load(file);
    if (!loaded.status.ok()) {
        const bool empty = QFileInfo(file).isFile() && QFileInfo(file).size() == 0;
        // The reader's own reason is the program's Japanese text, quoted as it is.
        const QString why = !loaded.status.missing()
                                ? QStringLiteral("the simulator cannot read it: \"%1\"").arg(loaded.status.description)
                            : empty ? QStringLiteral("empty; read as no settings file")
                                    : QStringLiteral("no such file");
        io.error(QStringLiteral("%1: %2").arg(file, why));
        return ExitBadInput;
    }
    if (!loaded.info.complete)
        io.error(QStringLiteral("%1: shorter than the settings layout; missing fields are shown with their defaults").arg(file));
    io.print(QString::fromUtf8(settings::mdlIniIoEx::dumpJson(loaded.records, loaded.info.storedCellCount)));
    return ExitOk;
}

} // namespace

void AddSettingsCommands(CommandTable &table)
{
    table.add({{QStringLiteral("settings"), QStringLiteral("dump")},
               QStringLiteral("FILE.in4"),
               QStringLiteral("print a settings file as JSON"),
               QString::fromUtf8(DumpHelp),
               1,
               dump});
}

} // namespace tool
