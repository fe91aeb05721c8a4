#pragma once

#include "controls/ChimeiCtl_DX.h"
#include "controls/ChimeiStrip.h"
#include "controls/ManualScrollClock.h"

#include <QImage>
#include <QString>

#include <optional>

namespace chimei_test {

constexpr int CellWidth = 54;
constexpr QRgb Background = 0xFF808080; // the default BackColor on a new display

// The 54-pixel cell of the strip whose top left dot is at x.
inline QImage cellAt(const QImage &strip, int x)
{
    return strip.copy(x, 0, CellWidth, controls::ChimeiStrip::Height);
}

// Lit pixels as black on white, so cells of different colours can be compared.
inline QImage mask(const QImage &image, QRgb background = Background)
{
    QImage out(image.size(), QImage::Format_Mono);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(x, y, image.pixel(x, y) == background ? 0 : 1);
    return out;
}

inline bool blank(const QImage &image, QRgb background = Background)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                return false;
    return true;
}

// Columns [from, to) of the strip hold no lit pixel.
inline bool blankColumns(const QImage &strip, int from, int to)
{
    return blank(strip.copy(from, 0, to - from, strip.height()));
}

struct Box
{
    int left, top, right, bottom; // inclusive
    int height() const { return bottom - top + 1; }
    int width() const { return right - left + 1; }
};

inline std::optional<Box> litBox(const QImage &image, QRgb background = Background)
{
    std::optional<Box> box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == background)
                continue;
            if (!box)
                box = Box{x, y, x, y};
            box->left = std::min(box->left, x);
            box->right = std::max(box->right, x);
            box->top = std::min(box->top, y);
            box->bottom = std::max(box->bottom, y);
        }
    return box;
}

// What one unit looks like on its own with the given properties, drawn at the cell's origin.
inline QImage glyph(const QString &unit, const controls::ChimeiProperties &properties = {})
{
    controls::ChimeiStrip strip(properties);
    QString text = unit;
    strip.DrawDot54(0, 0, text);
    return cellAt(strip.image(), 0);
}

} // namespace chimei_test
