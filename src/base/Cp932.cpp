#include "base/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace base {
namespace {

// One conversion descriptor per direction and thread; iconv_open is far slower than a conversion.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns false and leaves the input position at the
    // offending sequence when the input holds something the target cannot take.
    bool convert(const char *&in, size_t &inLeft, QByteArray &out)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        while (inLeft > 0) {
            char *dst = buffer;
            size_t dstLeft = sizeof buffer;
            char *src = const_cast<char *>(in);
            const size_t rc = iconv(m_cd, &src, &inLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<qsizetype>(dst - buffer));
            in = src;
            if (rc == static_cast<size_t>(-1)) {
                if (errno == E2BIG)
                    continue;
                return false;
            }
        }
        return true;
    }

private:
    iconv_t m_cd;
};

Converter &encoder()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

Converter &decoder()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

QString fromUtf16Bytes(const QByteArray &utf16)
{
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

} // namespace

QByteArray Cp932::fromUnicode(const QString &text, bool *ok)
{
    bool clean = true;
    QByteArray out;
    out.reserve(text.size() * 2);
    Converter &c = encoder();
    const QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const char *in = utf16.constData();
    size_t left = static_cast<size_t>(utf16.size());
    while (left > 0 && c.valid()) {
        if (c.convert(in, left, out))
            break;
        // Skip the UTF-16 unit (or surrogate pair) that has no place in the code page.
        clean = false;
        out.append('?');
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(in[0])
                                                    | (static_cast<unsigned char>(in[1]) << 8));
        const size_t skip = (unit >= 0xD800 && unit <= 0xDBFF && left >= 4) ? 4 : 2;
        in += skip;
        left -= skip;
    }
    if (!c.valid())
        clean = false;
    if (ok)
        *ok = clean;
    return out;
}

QString Cp932::toUnicode(const QByteArray &bytes, bool *ok)
{
    bool clean = true;
    QByteArray utf16;
    utf16.reserve(bytes.size() * 2);
    Converter &c = decoder();
    const char *in = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0 && c.valid()) {
        if (c.convert(in, left, utf16))
            break;
        clean = false;
        utf16.append(static_cast<char>(DefaultChar & 0xFF));
        utf16.append(static_cast<char>(DefaultChar >> 8));
        ++in;
        --left;
    }
    if (!c.valid())
        clean = false;
    if (ok)
        *ok = clean;
    return fromUtf16Bytes(utf16);
}

bool Cp932::isValid(const QByteArray &bytes)
{
    bool ok = false;
    toUnicode(bytes, &ok);
    return ok;
}

bool Cp932::canEncode(const QString &text)
{
    bool ok = false;
    fromUnicode(text, &ok);
    return ok;
}

} // namespace base
