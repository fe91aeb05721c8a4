#pragma once

#include <QImage>
#include <QRect>

namespace base {

// `image` enlarged by a whole number `factor`: every pixel becomes a factor × factor block of
// its own colour, so dots and segments stay sharp (nearest neighbour, no blending). The result
// is Format_RGB32 or Format_ARGB32_Premultiplied as the image has alpha; a factor below 2 gives
// the image in that format unchanged.
QImage magnified(const QImage &image, int factor);

// The part `area` of `image`, enlarged as magnified() does.
QImage magnified(const QImage &image, const QRect &area, int factor);

} // namespace base
