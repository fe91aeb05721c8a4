#include "731-tool/Hy3Commands.h"

#include "731-tool/FareCsv.h"

#include "fare/Hy3Reader.h"
#include "fare/Hy3Writer.h"
#include "base/Cp932.h"

#include <QFile>
#include <QStringDecoder>

namespace tool {
namespace {

const char *DumpHelp =
    R"(Writes the fare data file FILE.hy3 to standard output as UTF-8 CSV: the header line
name,ticket,f1,...,f150, then one line per record (the stop name, the ticket number and
the 150 fares). Names holding a comma, a quote or a line break are quoted, quotes doubled.

A file that is truncated, whose count promises more records than it holds, whose count is
negative or whose stop names are not valid CP932 is reported and nothing is written.
Records beyond the 301 rows of the fare table and bytes after the last record are dumped
or skipped as stored, with a warning.

Exit status: 0 written, 1 the file cannot be read or is broken, 2 wrong usage.
)";

const char *BuildHelp =
    R"(Writes the fare data file OUT.hy3 from IN.csv, CSV in the form hy3 dump writes (UTF-8,
an optional header line, one record per line). Missing trailing fares and empty fields are 0.

Refused, with the line number, and without leaving OUT.hy3 behind (an existing OUT.hy3 stays
as it was): a name that CP932 cannot write, a ticket number or fare that is not a whole
number from -32768 to 32767, more than 152 fields, more than 301 records, text that is not
UTF-8 or a quoted field that is not closed.

hy3 dump of a file, then hy3 build of its output, gives back the same bytes.

Exit status: 0 written, 1 a problem in IN.csv or OUT.hy3 cannot be written, 2 wrong usage.
)";

// The line (1-based) holding the first byte that is not UTF-8, or 0 when all of it is.
int FirstNonUtf8Line(const QByteArray &bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(lines[i]); // decodes only when converted
        if (decoder.hasError())
            return int(i + 1);
    }
    return 0;
}

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
            io.error(QStringLiteral("%1: warning: record %2: the name \"%3\" uses duplicate codes "
                                    "of CP932; hy3 build writes it with the standard codes")
                         .arg(path)
                         .arg(g)
                         .arg(name));
        csv += FareCsvLine(name, r) + u'\n';
    }
    if (content.count > fare::MaxRows)
        io.error(QStringLiteral("%1: warning: %2 records, more than the %3 rows of the fare table")
                     .arg(path)
                     .arg(content.count)
                     .arg(fare::MaxRows));
    if (content.trailingBytes > 0)
        io.error(QStringLiteral("%1: warning: %2 bytes after record %3 are not part of the data "
                                "and are not dumped")
                     .arg(path)
                     .arg(content.trailingBytes)
                     .arg(content.count));
    io.print(csv);
    return ExitOk;
}

int BuildHy3(const QString &csvPath, const QString &hy3Path, ToolIo &io)
{
    auto refuse = [&](int line, const QString &what) {
        io.error(line > 0 ? QStringLiteral("%1: line %2: %3").arg(csvPath).arg(line).arg(what)
                          : QStringLiteral("%1: %2").arg(csvPath, what));
        io.error(QStringLiteral("%1 was not written").arg(hy3Path));
        return ExitBadInput;
    };

    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(0, QStringLiteral("cannot be read: %1").arg(file.errorString()));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (const int line = FirstNonUtf8Line(bytes); line > 0)
        return refuse(line, QStringLiteral("the text is not UTF-8"));

    const CsvText csv = ParseCsv(QString::fromUtf8(bytes));
    if (!csv.error.isEmpty())
        return refuse(csv.errorLine, csv.error);

    std::vector<fare::Hy3Record> records;
    for (const CsvRow &row : csv.rows) {
        const bool blank = row.fields.size() == 1 && row.fields[0].trimmed().isEmpty();
        if (blank || (records.empty() && IsFareCsvHeader(row.fields)))
            continue;
        if (records.size() == size_t(fare::MaxRows))
            return refuse(row.line,
                          QStringLiteral("record %1 is more than the %2 rows of the fare table")
                              .arg(records.size() + 1)
                              .arg(fare::MaxRows));
        const CsvRecord r = RecordFromCsv(row.fields);
        if (!r.error.isEmpty())
            return refuse(row.line, r.error);
        records.push_back(r.record);
    }
    if (records.empty())
        io.error(
            QStringLiteral("%1: warning: no records; route setting refuses a route without data")
                .arg(csvPath));

    QString why;
    if (!fare::Hy3Writer::WriteFile(hy3Path, records, &why)) {
        io.error(QStringLiteral("%1: cannot be written: %2").arg(hy3Path, why));
        return ExitBadInput;
    }
    return ExitOk;
}

void AddHy3Commands(CommandTable &table)
{
    table.add({{QStringLiteral("hy3"), QStringLiteral("dump")},
               QStringLiteral("FILE.hy3"),
               QStringLiteral("write a fare data file as UTF-8 CSV to standard output"),
               QString::fromUtf8(DumpHelp),
               1,
               [](const QStringList &operands, ToolIo &io) { return DumpHy3(operands[0], io); }});
    table.add({{QStringLiteral("hy3"), QStringLiteral("build")},
               QStringLiteral("IN.csv OUT.hy3"),
               QStringLiteral("write a fare data file from CSV in the form hy3 dump writes"),
               QString::fromUtf8(BuildHelp),
               2,
               [](const QStringList &operands, ToolIo &io) {
                   return BuildHy3(operands[0], operands[1], io);
               }});
}

} // namespace tool
