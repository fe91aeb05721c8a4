#include "base/Magnify.h"

#include <algorithm>
#include <cstring>

namespace base {

QImage magnified(const QImage &image, int factor)
{
    return magnified(image, image.rect(), factor);
}

QImage magnified(const QImage &image, const QRect &area, int factor)
{
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QRect part = area.intersected(image.rect());
    const QImage source = image.format() == format ? image : image.convertToFormat(format);
    factor = std::max(factor, 1);
    QImage out(part.size() * factor, format);
    if (out.isNull())
        return out;
    // One row is widened pixel by pixel, then copied down for the rows below it.
    for (int y = 0; y < part.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(part.top() + y)) + part.left();
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y * factor));
        for (int x = 0; x < part.width(); ++x)
            row = std::fill_n(row, factor, from[x]);
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(out.scanLine(y * factor + copy), out.constScanLine(y * factor), std::size_t(out.bytesPerLine()));
    }
    return out;
}

} // namespace base
