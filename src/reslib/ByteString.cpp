#include "reslib/KBP4Res.h"

namespace reslib {

int32_t LenB_ASCII(const QByteArray &text)
{
    return static_cast<int32_t>(text.size());
}

QByteArray MidB_ASCII(const QByteArray &text, int32_t start, int32_t count)
{
    if (start < 1 || count <= 0 || start > text.size())
        return {};
    const qsizetype from = start - 1;
    const qsizetype available = text.size() - from;
    return text.mid(from, count < available ? count : available);
}

} // namespace reslib
