// The settings file codec: any bytes decode to a complete set of records, and what the encoder
// writes reads back to exactly the same bytes.

#include "FuzzCheck.h"

#include "settings/mdlIniIoEx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    settings::IniDecodeInfo info;
    const settings::IniRecords records = settings::mdlIniIoEx::decode(bytes, &info);
    FUZZ_CHECK(info.bytesUsed <= qsizetype(size));

    QString overlong;
    const QByteArray written = settings::mdlIniIoEx::encode(records, &overlong);
    FUZZ_CHECK(written.size() <= settings::mdlIniIoEx::MaxFileSize);
    settings::IniDecodeInfo writtenInfo;
    const settings::IniRecords reread = settings::mdlIniIoEx::decode(written, &writtenInfo);
    FUZZ_CHECK(writtenInfo.complete && writtenInfo.bytesUsed == written.size());
    FUZZ_CHECK(settings::mdlIniIoEx::encode(reread) == written);
    settings::mdlIniIoEx::dumpJson(reread, info.storedCellCount);
    return 0;
}
