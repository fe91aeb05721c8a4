#include "ui/WindowShape.h"

#include <QRect>
#include <cmath>

namespace ui {

QRegion roundedRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return {};
    const double rx = ellipseWidth / 2.0;
    const double ry = ellipseHeight / 2.0;
    if (rx < 1 || ry < 1)
        return QRegion(left, top, width, height);

    // Row by row: a pixel is cut when the corner ellipse passes through it at the row's centre,
    // so even the smallest ellipse takes the corner pixel away.
    QRegion region;
    for (int y = 0; y < height; ++y) {
        const double cy = y + 0.5;
        double dy = 0;
        if (cy < ry)
            dy = ry - cy;
        else if (cy > height - ry)
            dy = cy - (height - ry);
        int inset = 0;
        if (dy > 0) {
            const double t = std::min(1.0, dy / ry);
            inset = static_cast<int>(std::ceil(rx - rx * std::sqrt(1 - t * t) - 1e-9));
        }
        if (width - 2 * inset > 0)
            region += QRect(left + inset, top + y, width - 2 * inset, 1);
    }
    return region;
}

} // namespace ui
