#include "Cp932Text.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

namespace sample {
namespace {

// Converts `text` from one encoding to another; an undecodable byte becomes `replacement` and
// conversion goes on with the next byte.
std::string convert(const char *to, const char *from, const char *text, const char *replacement)
{
    if (!text)
        return {};
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out;
    char *in = const_cast<char *>(text);
    size_t inLeft = std::strlen(text);
    char buffer[256];
    while (inLeft > 0) {
        char *outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, sizeof buffer - outLeft);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL: skip the offending byte.
            out.append(replacement);
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

QString fromCp932(const char *text)
{
    return QString::fromUtf8(convert("UTF-8", "CP932", text, "\xE3\x83\xBB"));
}

std::string toCp932(const char *utf8)
{
    return convert("CP932", "UTF-8", utf8, "?");
}

} // namespace sample
