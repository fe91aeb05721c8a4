// The fare data file reader: any bytes give a result, never a crash; a file read whole writes
// back to the same records.

#include "FuzzCheck.h"

#include "fare/Hy3Reader.h"
#include "fare/Hy3Writer.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const fare::Hy3Content content = fare::Hy3Reader::Parse(bytes);
    FUZZ_CHECK(content.size == qint64(size));
    FUZZ_CHECK(qsizetype(content.records.size()) <= qMax<qsizetype>(content.count, 0));
    if (content.ok() && content.complete()) {
        QString error;
        const QByteArray again = fare::Hy3Writer::Encode(content.records, &error);
        FUZZ_CHECK(error.isEmpty());
        const fare::Hy3Content reread = fare::Hy3Reader::Parse(again);
        FUZZ_CHECK(reread.ok() && reread.records == content.records && reread.trailingBytes == 0);
    }
    return 0;
}
