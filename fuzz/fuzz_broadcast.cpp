// The broadcast data reader: any bytes are taken whole or refused, never a crash.

#include "FuzzCheck.h"

#include "sound/BroadcastData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto entries = sound::BroadcastData::parse(bytes);
    // Every entry is a line of its own; lines end in CR LF, LF or CR.
    if (entries)
        FUZZ_CHECK(qsizetype(entries->size()) <= bytes.count('\n') + bytes.count('\r') + 1);
    return 0;
}
