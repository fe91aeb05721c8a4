#pragma once

#include <QColor>
#include <cstdint>

namespace base {

// Colours are kept as the platform's colour references: 0x00BBGGRR, red in the low byte.
using OleColor = uint32_t;

inline QColor toQColor(OleColor c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

inline OleColor fromQColor(const QColor &c)
{
    return static_cast<OleColor>(c.red()) | (static_cast<OleColor>(c.green()) << 8)
           | (static_cast<OleColor>(c.blue()) << 16);
}

inline constexpr OleColor rgb(int r, int g, int b)
{
    return static_cast<OleColor>(r) | (static_cast<OleColor>(g) << 8) | (static_cast<OleColor>(b) << 16);
}

} // namespace base
