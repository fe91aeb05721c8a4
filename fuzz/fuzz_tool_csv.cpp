// The CSV readers of 731-tool: the rows that "hy3 build" and "tp build" read (UTF-8 or
// Shift-JIS, decided by the content), the records and announcements made of them, and the
// broadcast data check of "check". Any text gives rows or a located error, every row a record
// or a reason, and what converts writes back as a line that converts to the same thing.

#include "FuzzCheck.h"

#include "731-tool/CsvField.h"
#include "731-tool/CsvFile.h"
#include "731-tool/FareCsv.h"
#include "731-tool/TapeCsv.h"
#include "731-tool/TpCsvChecker.h"
#include "base/Cp932.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <climits>

namespace {

tool::CsvFileText readRows(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return tool::ReadCsv(buffer, INT_MAX);
}

void fareCsv(const tool::CsvFileText &text)
{
    for (const tool::CsvRow &row : text.rows) {
        if (tool::FareCsvHeaderOf(row.fields) != tool::FareCsvHeaderKind::None)
            continue;
        const tool::CsvRecord record = tool::RecordFromCsv(row.fields);
        if (!record.error.isEmpty())
            continue;
        const QString name = base::Cp932::toUnicode(record.record.Name);
        const tool::CsvFileText line = readRows(tool::FareCsvLine(name, record.record).toUtf8());
        FUZZ_CHECK(line.error.isEmpty() && line.rows.size() == 1);
        FUZZ_CHECK(tool::RecordFromCsv(line.rows[0].fields).record == record.record);
    }
}

void tapeCsv(const tool::CsvFileText &text)
{
    for (const tool::CsvRow &row : text.rows) {
        const tool::CsvTapeEntry entry = tool::TapeEntryFromCsv(row.fields);
        if (!entry.error.isEmpty())
            continue;
        // The line tp build writes is read back by the tape as the same announcement.
        const auto read = sound::BroadcastData::parse(tool::BroadcastLine(entry.entry));
        FUZZ_CHECK(read && read->size() == 1 && read->front() == entry.entry);
        const tool::CsvFileText line = readRows(tool::TapeCsvLine(entry.entry).toUtf8());
        FUZZ_CHECK(line.error.isEmpty() && line.rows.size() == 1);
        FUZZ_CHECK(tool::TapeEntryFromCsv(line.rows[0].fields).entry == entry.entry);
    }
}

void broadcastCheck(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("1tp.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes);
    file.close();
    std::vector<tool::Finding> findings;
    tool::TpCsvChecker().check(path, findings);
    for (const tool::Finding &finding : findings)
        FUZZ_CHECK(!finding.what.isEmpty());
    // check finds something exactly when the tape refuses the file.
    FUZZ_CHECK(findings.empty() == sound::BroadcastData::load(path).has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const tool::CsvFileText text = readRows(bytes);
    FUZZ_CHECK(text.error.isEmpty() || text.rows.empty());
    for (const tool::CsvRow &row : text.rows)
        FUZZ_CHECK(row.line >= 1);
    // No control character survives to the terminal, and every one comes back.
    const QString decoded = QString::fromUtf8(bytes);
    const QString shown = tool::ShowControls(decoded);
    FUZZ_CHECK(std::none_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }));
    fareCsv(text);
    tapeCsv(text);
    broadcastCheck(bytes);
    return 0;
}
