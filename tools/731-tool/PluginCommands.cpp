#include "731-tool/PluginCommands.h"

#include "731-tool/CsvField.h"

#include "base/Cp932.h"
#include "base/Twips.h"
#include "reslib/PluginQueries.h"

namespace tool {
namespace {

const char *CheckHelp =
    R"(Loads the ticket plug-in FILE.4SP the way the simulator does and says exactly what is
wrong when the simulator would refuse it, where the simulator shows only
"指定したファイルはプラグインでないか、内容が不正です": not a shared library (ELF) file,
built for another machine or word size, damaged or cut short, an entry point it does not
export (named), the dynamic loader's own error, another interface version, or a plug-in that
refuses. Otherwise it prints the plug-in's information record (the fourteen fields of
Seiriken_GetPlgInfo), its remarks and, when it offers any, its company names. The simulator
writes the same reason to standard error when it refuses a plug-in chosen in the options.

Loading runs the plug-in's code, as the simulator does: check only plug-ins you trust.

Exit status: 0 the simulator takes the plug-in, 1 it refuses it, 2 wrong usage.
)";

struct Field
{
    const char *name;
    int32_t SeirikenPlgInfo::*value;
    const char *meaning;
};

const Field Fields[] = {
    {"InfoHead", &SeirikenPlgInfo::InfoHead, "not read"},
    {"PrevWidth", &SeirikenPlgInfo::PrevWidth, "preview width, twips"},
    {"PrevHeight", &SeirikenPlgInfo::PrevHeight, "preview height, twips"},
    {"CanDate", &SeirikenPlgInfo::CanDate, "1: prints the date"},
    {"CanTime", &SeirikenPlgInfo::CanTime, "1: prints the time"},
    {"CanRouteNo", &SeirikenPlgInfo::CanRouteNo, "1: prints the route number"},
    {"CanStopName", &SeirikenPlgInfo::CanStopName, "1: prints the stop name"},
    {"CanBarcode", &SeirikenPlgInfo::CanBarcode, "1: prints a barcode"},
    {"BarcodeCount", &SeirikenPlgInfo::BarcodeCount, "number of barcodes"},
    {"MaxRouteNo", &SeirikenPlgInfo::MaxRouteNo, "routes 1 to this can be set"},
    {"BarcodeMode", &SeirikenPlgInfo::BarcodeMode, "1: serial numbers; else route number + round-trip flag"},
    {"StopFrom", &SeirikenPlgInfo::StopFrom, "first stop number recognised"},
    {"StopTo", &SeirikenPlgInfo::StopTo, "last stop number recognised"},
    {"CorpCount", &SeirikenPlgInfo::CorpCount, "1 or more: offers company names"},
};

// Plug-in text (CP932) for the terminal: lines kept, other controls as their pictures.
QStringList TextLines(const QByteArray &bytes)
{
    QString text = base::Cp932::toUnicode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = ShowControls(line);
    return lines;
}

} // namespace

int CheckPlugin(const QString &path, ToolIo &io)
{
    const reslib::PluginInfoQuery query = reslib::QueryPluginInfo(path);
    if (!query.ok) {
        io.error(QStringLiteral("%1: the simulator refuses it: %2").arg(path, query.refusal));
        return ExitBadInput;
    }
    QString out = QStringLiteral("%1: a ticket plug-in of interface version %2\n")
                      .arg(path, QString::number(SEIRIKEN_INTERFACE_VERSION));
    out += QStringLiteral("information record:\n");
    for (const Field &f : Fields) {
        const int32_t value = query.info.*f.value;
        out += QStringLiteral("  %1 %2  %3\n")
                   .arg(QString::fromLatin1(f.name).leftJustified(13), QString::number(value).rightJustified(11),
                        QString::fromLatin1(f.meaning));
    }
    out += QStringLiteral("  (preview %1 x %2 pixels)\n")
               .arg(QString::number(base::px(query.info.PrevWidth)), QString::number(base::px(query.info.PrevHeight)));
    out += QStringLiteral("remarks:\n");
    for (const QString &line : TextLines(reslib::QueryPluginComment(path).value_or(QByteArray())))
        out += QStringLiteral("  ") + line + u'\n';
    // The simulator asks for company names only from a plug-in that offers them.
    if (query.info.CorpCount >= 1) {
        out += QStringLiteral("company names:\n");
        for (const QByteArray &name : reslib::QueryPluginCorpNames(path).value_or(QByteArrayList()))
            out += QStringLiteral("  ") + TextLines(name).join(u' ') + u'\n';
    }
    io.print(out);
    return ExitOk;
}

void AddPluginCommands(CommandTable &table)
{
    table.add({{QStringLiteral("plugin"), QStringLiteral("check")},
               QStringLiteral("FILE.4SP"),
               QStringLiteral("load a ticket plug-in as the simulator does and say what is wrong with it"),
               QString::fromUtf8(CheckHelp),
               1,
               [](const QStringList &operands, ToolIo &io) { return CheckPlugin(operands[0], io); }});
}

} // namespace tool
