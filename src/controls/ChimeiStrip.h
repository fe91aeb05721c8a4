#pragma once

#include "controls/ChimeiLayout.h"
#include "controls/ChimeiProperties.h"
#include "controls/ChimeiScratch.h"

#include <QImage>
#include <QString>

#include <cstdint>

namespace controls {

// The strip of the stop-name display: the surface that carries the lit dots, and the drawing of
// a name onto it unit by unit through the scratch surface. Colours and font choices are read
// from the owner's properties at the moment of drawing.
class ChimeiStrip
{
public:
    static constexpr int Height = 56;
    static constexpr int DotPitch = 3;
    static constexpr int DotSize = 2;
    static constexpr int Samples = 19; // columns and rows sampled from the scratch surface

    explicit ChimeiStrip(const ChimeiProperties &properties);

    const QImage &image() const { return m_image; }
    int width() const { return m_image.width(); }

    // Fills the strip with the background colour.
    void Cls();
    // A new width; the strip is blank afterwards.
    void setWidth(int width);

    // Draws the name as the display lays it out: width, prefix, then every unit. The name must
    // not be empty. Returns the layout, which also says where the strip starts and whether it
    // scrolls.
    ChimeiLayout drawName(const QString &strText);

    // One unit (at most two code-page bytes) with its top left dot at (X, Y). A unit that has a
    // replacement glyph is replaced in `strText` itself.
    void DrawDot54(int32_t X, int32_t Y, QString &strText);
    // "次は" at the left end of the strip.
    void DrawTsugiwa();

    // Every exactly black pixel of the scratch surface becomes a lit dot at (X + 3c, Y + 3r).
    void copyScratchDots(int32_t X, int32_t Y, base::OleColor colour);

    ChimeiScratch &scratch() { return m_scratch; }
    const ChimeiScratch &scratch() const { return m_scratch; }

private:
    void chooseFace(const QString &unit);
    void fillDot(int x, int y, QRgb colour);

    const ChimeiProperties &m_properties;
    ChimeiScratch m_scratch;
    QImage m_image;
};

} // namespace controls
