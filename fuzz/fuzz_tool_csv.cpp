// The CSV readers of 731-tool: the fare CSV that "hy3 build" reads and the broadcast data check
// of "check". Any text gives rows or a located error, and every row a record or a reason.

#include "FuzzCheck.h"

#include "731-tool/FareCsv.h"
#include "731-tool/TpCsvChecker.h"
#include "base/Cp932.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

void fareCsv(const QByteArray &bytes)
{
    const tool::CsvText text = tool::ParseCsv(QString::fromUtf8(bytes));
    FUZZ_CHECK(text.error.isEmpty() || text.errorLine >= 1);
    for (const tool::CsvRow &row : text.rows) {
        FUZZ_CHECK(row.line >= 1);
        if (tool::IsFareCsvHeader(row.fields))
            continue;
        const tool::CsvRecord record = tool::RecordFromCsv(row.fields);
        // A record that converts writes back as a line that converts to the same record.
        if (record.error.isEmpty()) {
            const QString name = base::Cp932::toUnicode(record.record.Name);
            const tool::CsvText line = tool::ParseCsv(tool::FareCsvLine(name, record.record));
            FUZZ_CHECK(line.error.isEmpty() && line.rows.size() == 1);
            FUZZ_CHECK(tool::RecordFromCsv(line.rows[0].fields).record == record.record);
        }
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    fareCsv(bytes);
    broadcastCheck(bytes);
    return 0;
}
