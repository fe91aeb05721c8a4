#include "731-tool/TpCommands.h"

#include "731-tool/CsvFile.h"
#include "731-tool/TapeCsv.h"

#include "base/AtomicFile.h"
#include "sound/BroadcastData.h"

#include <QFileInfo>

#include <limits>

namespace tool {
namespace {

const char *DumpHelp =
    R"(Writes the broadcast data file FILE (<route>tp.csv, the announcement tape's file) to
standard output as UTF-8 CSV: the header line text,step,sound, then one line per
announcement. Control characters are written as their pictures (ESC as U+241B), so that
none reaches the terminal; tp build reads them back.

A file the tape refuses is reported line by line, as check reports it, and nothing is
written.

Exit status: 0 written, 1 the file cannot be read or the tape refuses it, 2 wrong usage.
)";

const char *BuildHelp =
    R"(Writes the broadcast data file OUT_tp.csv from IN.csv, in the form the tape reads:
Shift-JIS (CP932), each text in double quotes, lines ended by CR LF. The route's file is
named <route>tp.csv (12tp.csv for route 12) in the broadcast data folder of the options.

Each line of IN.csv is one announcement, in the order the tape plays them, with three fields:
  text    what is announced (a text holding a comma goes in double quotes)
  step    1: the fare display steps one stop forward with "送り" (back with "戻し");
          0: it stays
  sound   1, 2 or 3: the pre-broadcast sound of that number plays first; 0: none
IN.csv may be UTF-8 (with or without a byte order mark) or Shift-JIS, decided by its content;
a first line whose step field is not a number (such as text,step,sound) is a header; blank
lines are left out.

Refused, with the line number, and without leaving OUT_tp.csv behind: a line without exactly
three fields, an empty flag or one that is not a whole number from -32768 to 32767, a text
that Shift-JIS cannot write or that holds a line break, text that is neither UTF-8 nor
Shift-JIS, a result larger than the 4 MiB the tape reads.

  --verbose   say which encoding was read and how many announcements were written

Exit status: 0 written, 1 a problem in IN.csv or OUT_tp.csv cannot be written, 2 wrong usage.
)";

// Input larger than this cannot give broadcast data the tape reads, whatever its encoding.
constexpr qint64 MaxInputBytes = 4 * sound::BroadcastData::MaxFileBytes;

int RunBuild(const QStringList &args, ToolIo &io)
{
    const QStringList files = OperandsOf(args);
    return BuildTp(files[0], files[1], io, args.contains(QLatin1String("--verbose")));
}

} // namespace

int DumpTp(const QString &path, ToolIo &io)
{
    if (!QFileInfo(path).isFile()) {
        io.error(QStringLiteral("%1: no such file").arg(path));
        return ExitBadInput;
    }
    const sound::BroadcastReading reading = sound::BroadcastData::readFile(path);
    if (!reading.ok()) {
        for (const sound::BroadcastFault &fault : reading.faults)
            io.error(QStringLiteral("%1: %2").arg(path, DescribeBroadcastFault(fault)));
        return ExitBadInput;
    }
    QString csv = TapeCsvHeader() + u'\n';
    for (const sound::TapeEntry &entry : reading.entries)
        csv += TapeCsvLine(entry) + u'\n';
    io.print(csv);
    return ExitOk;
}

int BuildTp(const QString &csvPath, const QString &tpPath, ToolIo &io, bool verbose)
{
    auto note = [&](int line, const QString &what) {
        io.error(line > 0 ? QStringLiteral("%1: line %2: %3").arg(csvPath, QString::number(line), what)
                          : QStringLiteral("%1: %2").arg(csvPath, what));
    };
    auto refuse = [&](int line, const QString &what) {
        note(line, what);
        io.error(QStringLiteral("%1: not written").arg(tpPath));
        return ExitBadInput;
    };

    if (QFileInfo(csvPath).size() > MaxInputBytes)
        return refuse(0, QStringLiteral("larger than %1 MiB; broadcast data holds at most %2 MiB")
                             .arg(MaxInputBytes >> 20)
                             .arg(sound::BroadcastData::MaxFileBytes >> 20));
    const CsvFileText csv = ReadCsvFile(csvPath, std::numeric_limits<int>::max());
    if (!csv.error.isEmpty())
        return refuse(csv.errorLine, csv.error);
    if (verbose)
        note(0, QStringLiteral("read as %1").arg(EncodingName(csv.encoding)));

    std::vector<sound::TapeEntry> entries;
    QByteArray bytes;
    for (const CsvRow &row : csv.rows) {
        if (&row == &csv.rows.front() && IsTapeCsvHeader(row.fields)) {
            if (verbose)
                note(row.line, QStringLiteral("the header"));
            continue;
        }
        const CsvTapeEntry r = TapeEntryFromCsv(row.fields);
        if (!r.error.isEmpty())
            return refuse(row.line, r.error);
        entries.push_back(r.entry);
        bytes += BroadcastLine(r.entry);
        if (bytes.size() > sound::BroadcastData::MaxFileBytes)
            return refuse(row.line, QStringLiteral("the broadcast data grows beyond the %1 MiB the tape reads")
                                        .arg(sound::BroadcastData::MaxFileBytes >> 20));
    }
    if (entries.empty())
        return refuse(0, QStringLiteral("no announcements; the tape refuses an empty file"));

    // What is written is what the tape reads back, line for line.
    const std::optional<std::vector<sound::TapeEntry>> readBack = sound::BroadcastData::parse(bytes);
    if (!readBack || *readBack != entries)
        return refuse(0, QStringLiteral("the tape would not read the announcements back as written"));

    const base::AtomicFile::Result written = base::AtomicFile::write(tpPath, bytes);
    if (!written.ok()) {
        io.error(QStringLiteral("%1: cannot be written: %2").arg(tpPath, written.reason));
        return ExitBadInput;
    }
    if (verbose)
        io.error(QStringLiteral("%1: %2 written").arg(tpPath, Plural(qsizetype(entries.size()), QStringLiteral("announcement"))));
    return ExitOk;
}

void AddTpCommands(CommandTable &table)
{
    table.add({{QStringLiteral("tp"), QStringLiteral("dump")},
               QStringLiteral("FILE_tp.csv"),
               QStringLiteral("write broadcast data (the tape's Shift-JIS file) as UTF-8 CSV to standard output"),
               QString::fromUtf8(DumpHelp),
               1,
               [](const QStringList &operands, ToolIo &io) { return DumpTp(operands[0], io); }});
    ToolCommand build;
    build.words = {QStringLiteral("tp"), QStringLiteral("build")};
    build.operands = QStringLiteral("[--verbose] IN.csv OUT_tp.csv");
    build.summary = QStringLiteral("write broadcast data from CSV (UTF-8 or Shift-JIS): text, step flag, sound flag");
    build.help = QString::fromUtf8(BuildHelp);
    build.operandCount = 2;
    build.flags = {QStringLiteral("--verbose")};
    build.run = RunBuild;
    table.add(build);
}

} // namespace tool
