// The look at a plug-in file before it is loaded: any bytes are judged, never a crash and never
// a read outside them.

#include "reslib/ElfImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy of exactly the input's size, so that AddressSanitizer sees any read past its end.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    reslib::ElfImage::isLoadableLibrary(bytes);
    return 0;
}
