#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace base {

// Layout values are kept in twips as the unit's designer gave them; 15 twips are one logical
// pixel at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr int twips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect pxRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline QSize pxSize(int width, int height)
{
    return QSize(px(width), px(height));
}

} // namespace base
