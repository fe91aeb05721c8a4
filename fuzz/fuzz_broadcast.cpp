// The broadcast data reader: any bytes are taken whole or refused, never a crash; a refusal
// names its lines, and a file is taken exactly when no line is bad.

#include "FuzzCheck.h"

#include "sound/BroadcastData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto entries = sound::BroadcastData::parse(bytes);
    const sound::BroadcastReading reading = sound::BroadcastData::read(bytes);
    FUZZ_CHECK(entries.has_value() == reading.ok());
    const qsizetype breaks = bytes.count('\n') + bytes.count('\r') + 1;
    // Every entry and every bad line is a line of its own; lines end in CR LF, LF or CR.
    FUZZ_CHECK(qsizetype(reading.entries.size() + reading.faults.size()) <= breaks);
    if (entries)
        FUZZ_CHECK(*entries == reading.entries);
    for (const sound::BroadcastFault &fault : reading.faults)
        FUZZ_CHECK(fault.line >= 0 && fault.line <= breaks);
    return 0;
}
