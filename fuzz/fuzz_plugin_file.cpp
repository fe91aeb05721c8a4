// The look at a plug-in file before it is loaded: any bytes are judged, never a crash and never
// a read outside them; the verdict and the symbol table agree with the plain check.

#include "FuzzCheck.h"

#include "reslib/ElfImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A copy of exactly the input's size, so that AddressSanitizer sees any read past its end.
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool loadable = reslib::ElfImage::isLoadableLibrary(bytes);
    const reslib::ElfVerdict verdict = reslib::ElfImage::verdict(bytes);
    FUZZ_CHECK(loadable == (verdict.problem == reslib::ElfProblem::None));
    FUZZ_CHECK(loadable == reslib::ElfImage::describe(verdict).isEmpty());
    if (!loadable)
        FUZZ_CHECK(!reslib::ElfImage::definedFunctions(bytes).has_value());
    return 0;
}
