#include "731-tool/Hy3Commands.h"

#include "731-tool/CsvField.h"
#include "731-tool/CsvFile.h"
#include "731-tool/FareCsv.h"

#include "fare/FareDisplay.h"
#include "fare/Hy3Reader.h"
#include "fare/Hy3Writer.h"
#include "base/Cp932.h"

#include <QFile>

namespace tool {
namespace {

const char *DumpHelp =
    R"(Writes the fare data file FILE.hy3 to standard output as UTF-8 CSV: the header line
name,ticket,f1,...,f150, then one line per record (the stop name, the ticket number and
the 150 fares). Names holding a comma, a quote or a control character are quoted, quotes
doubled. Control characters (line breaks, escape sequences) are written as their pictures
(U+2400 to U+241F, U+2421: a line break as ␍␊, ESC as ␛), so that none reaches the terminal;
hy3 build reads the pictures back as the characters.

A file that is truncated, whose count promises more records than it holds, whose count is
negative or whose stop names are not valid CP932 is reported and nothing is written.
Records beyond the 301 rows of the fare table and bytes after the last record are dumped
or skipped as stored, with a warning.

Exit status: 0 written, 1 the file cannot be read or is broken, 2 wrong usage.
)";

const char *BuildHelp =
    R"(Writes the fare data file OUT.hy3 from IN.csv: one line per stop in travel order, each
the stop name, the ticket number issued there, then the fares f1 to f150 (the fare for ticket
1, 2, ...). Fares left out at the end, and empty fares, are 0; -1 is a fare that late-night
fare never doubles.

The text may be UTF-8 (with or without a byte order mark) or Shift-JIS (CP932), as Japanese
spreadsheet programs save CSV; which one is decided by the content. A first line whose ticket
field is not a number is a header: name,ticket,f1,... or 停留所名,整理券番号,... (other words
are taken for a header with a warning). The pictures of control characters (such as U+241B
for ESC), which hy3 dump writes, stand for the characters.

Refused, with the line number, and without leaving OUT.hy3 behind (an existing OUT.hy3 stays
as it was): an empty or missing ticket number, a name that Shift-JIS cannot write, a number
that is not a whole number from -32768 to 32767, more than 152 fields, more than 301 records
(reading stops there), text that is neither UTF-8 nor Shift-JIS, a quoted field not closed.
A fare in f1 to f30 above 16383 (or below -16384), which late-night fare cannot double, is a
warning on standard error; with --strict every warning refuses the file.

  --verbose   say which encoding and header were read, and how many records were written
  --strict    refuse the file on any warning

hy3 dump of a file, then hy3 build of its output, gives back the same bytes.

Exit status: 0 written, 1 a problem in IN.csv or OUT.hy3 cannot be written, 2 wrong usage.
)";

QString Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.left(32).toHex(' '))
           + (bytes.size() > 32 ? QStringLiteral(" ...") : QString());
}

} // namespace

QString DescribeHy3Problem(const fare::Hy3Content &c)
{
    using fare::Hy3Problem;
    const QString record =
        QStringLiteral("record %1 (byte %2)").arg(c.problemRecord).arg(c.problemOffset);
    switch (c.problem) {
    case Hy3Problem::None:
        return c.count < 0 ? QStringLiteral("the record count is negative (%1)").arg(c.count)
                           : QString();
    case Hy3Problem::CannotOpen:
        return QStringLiteral("cannot be read: %1").arg(c.systemError);
    case Hy3Problem::NoCount:
        return QStringLiteral("too short to hold the record count (file size %1)").arg(c.size);
    case Hy3Problem::Truncated:
        if (c.problemOffset == c.size)
            return QStringLiteral("the count says %1 records but the file ends after record %2")
                .arg(c.count)
                .arg(c.problemRecord - 1);
        return QStringLiteral("%1: the file ends inside this record (the count says %2 records)")
            .arg(record)
            .arg(c.count);
    case Hy3Problem::BadName:
        return QStringLiteral("%1: the stop name is not valid CP932 (bytes %2)")
            .arg(record, Hex(c.badName));
    }
    return {};
}

int DumpHy3(const QString &path, ToolIo &io)
{
    const fare::Hy3Content content = fare::Hy3Reader::ReadFile(path);
    if (const QString problem = DescribeHy3Problem(content); !problem.isEmpty()) {
        io.error(QStringLiteral("%1: %2").arg(path, problem));
        return ExitBadInput;
    }
    // Everything is formatted first, so that a broken file never leaves half a dump.
    QString csv = FareCsvHeader() + u'\n';
    int g = 0;
    for (const fare::Hy3Record &r : content.records) {
        ++g;
        const QString name = base::Cp932::toUnicode(r.Name);
        if (base::Cp932::fromUnicode(name) != r.Name)
            io.error(QStringLiteral("%1: record %2: warning: the name \"%3\" uses duplicate codes "
                                    "of CP932; hy3 build writes it with the standard codes")
                         .arg(path, QString::number(g), ShowControls(name)));
        csv += FareCsvLine(name, r) + u'\n';
    }
    if (content.count > fare::MaxRows)
        io.error(QStringLiteral("%1: warning: %2 records, more than the %3 rows of the fare table")
                     .arg(path, QString::number(content.count), QString::number(fare::MaxRows)));
    if (content.trailingBytes > 0)
        io.error(QStringLiteral("%1: warning: %2 bytes after record %3 are not part of the data "
                                "and are not dumped")
                     .arg(path, QString::number(content.trailingBytes), QString::number(content.count)));
    io.print(csv);
    return ExitOk;
}

int BuildHy3(const QString &csvPath, const QString &hy3Path, ToolIo &io, Hy3BuildOptions options)
{
    auto note = [&](int line, const QString &what) {
        io.error(line > 0 ? QStringLiteral("%1: line %2: %3").arg(csvPath, QString::number(line), what)
                          : QStringLiteral("%1: %2").arg(csvPath, what));
    };
    auto refuse = [&](int line, const QString &what) {
        note(line, what);
        io.error(QStringLiteral("%1: not written").arg(hy3Path));
        return ExitBadInput;
    };
    std::vector<std::pair<int, QString>> warnings; // line, what
    auto warn = [&](int line, const QString &what) { warnings.emplace_back(line, what); };

    // A header, 301 records and the first record too many are all that is ever read.
    const CsvFileText csv = ReadCsvFile(csvPath, fare::MaxRows + 2);
    if (!csv.error.isEmpty())
        return refuse(csv.errorLine, csv.error);
    if (options.verbose)
        note(0, QStringLiteral("read as %1").arg(EncodingName(csv.encoding)));

    std::vector<fare::Hy3Record> records;
    for (const CsvRow &row : csv.rows) {
        if (&row == &csv.rows.front()) {
            const FareCsvHeaderKind header = FareCsvHeaderOf(row.fields);
            if (header == FareCsvHeaderKind::Unknown)
                warn(row.line, QStringLiteral("taken for a header, as its ticket field \"%1\" is not a number")
                                   .arg(ShowControls(row.fields[1])));
            else if (header != FareCsvHeaderKind::None && options.verbose)
                note(row.line, header == FareCsvHeaderKind::Japanese ? QStringLiteral("the header, in Japanese")
                                                                     : QStringLiteral("the header"));
            if (header != FareCsvHeaderKind::None)
                continue;
        }
        if (records.size() == size_t(fare::MaxRows))
            return refuse(row.line, QStringLiteral("record %1 is more than the %2 rows of the fare table")
                                        .arg(records.size() + 1)
                                        .arg(fare::MaxRows));
        const CsvRecord r = RecordFromCsv(row.fields);
        if (!r.error.isEmpty())
            return refuse(row.line, r.error);
        for (int cell : fare::UndoublableCells(r.record.Fares))
            warn(row.line, QStringLiteral("fare f%1 is %2, which late-night fare cannot double (%3 at most)")
                               .arg(cell)
                               .arg(r.record.Fares[cell - 1])
                               .arg(fare::LargestDoublableFare));
        records.push_back(r.record);
    }
    if (records.empty())
        warn(0, QStringLiteral("no records; route setting refuses a route without data"));

    if (options.strict && !warnings.empty()) {
        for (const auto &[line, what] : warnings)
            note(line, what + QStringLiteral(" (refused with --strict)"));
        io.error(QStringLiteral("%1: not written").arg(hy3Path));
        return ExitBadInput;
    }
    for (const auto &[line, what] : warnings)
        note(line, QStringLiteral("warning: ") + what);

    QString why;
    if (!fare::Hy3Writer::WriteFile(hy3Path, records, &why)) {
        io.error(QStringLiteral("%1: cannot be written: %2").arg(hy3Path, why));
        return ExitBadInput;
    }
    if (options.verbose)
        io.error(QStringLiteral("%1: %2 written").arg(hy3Path, Plural(int(records.size()), QStringLiteral("record"))));
    return ExitOk;
}

namespace {

int RunBuild(const QStringList &args, ToolIo &io)
{
    Hy3BuildOptions options;
    options.verbose = args.contains(QLatin1String("--verbose"));
    options.strict = args.contains(QLatin1String("--strict"));
    const QStringList files = OperandsOf(args);
    return BuildHy3(files[0], files[1], io, options);
}

} // namespace

void AddHy3Commands(CommandTable &table)
{
    table.add({{QStringLiteral("hy3"), QStringLiteral("dump")},
               QStringLiteral("FILE.hy3"),
               QStringLiteral("write a fare data file as UTF-8 CSV to standard output"),
               QString::fromUtf8(DumpHelp),
               1,
               [](const QStringList &operands, ToolIo &io) { return DumpHy3(operands[0], io); }});
    ToolCommand build;
    build.words = {QStringLiteral("hy3"), QStringLiteral("build")};
    build.operands = QStringLiteral("[--verbose] [--strict] IN.csv OUT.hy3");
    build.summary = QStringLiteral("write a fare data file from CSV (UTF-8 or Shift-JIS)");
    build.help = QString::fromUtf8(BuildHelp);
    build.operandCount = 2;
    build.flags = {QStringLiteral("--verbose"), QStringLiteral("--strict")};
    build.run = RunBuild;
    table.add(build);
}

} // namespace tool
