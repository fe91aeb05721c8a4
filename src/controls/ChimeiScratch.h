#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace controls {

// The small surface one glyph is rasterised on before its pixels become dots: 18 x 18 pixels,
// white, drawn in black. Face, size, weight and the vertical drawing position carry over from
// one glyph to the next, as they do on the unit's own surface.
class ChimeiScratch
{
public:
    static constexpr int Size = 18;

    ChimeiScratch();

    // White again, drawing position back at the top left.
    void Cls();

    void setFaceName(const QString &faceName);
    QString faceName() const { return m_faceName; }
    // Sizes are in points at 96 dots per inch: 14 pt is 19 pixels, 12 pt is 16 pixels.
    void setFontSize(int points);
    int fontSize() const { return m_points; }
    void setFontBold(bool bold) { m_bold = bold; }
    bool fontBold() const { return m_bold; }
    void setCurrentY(int y) { m_currentY = y; }
    int currentY() const { return m_currentY; }

    // Draws `text` with the top of its character cell at the drawing position.
    void Print(const QString &text);

    // True where the pixel is exactly black; (c, r) outside the surface is never black.
    bool isBlack(int c, int r) const;

    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }

private:
    const QFont &currentFont();

    QImage m_image;
    QString m_faceName;
    int m_points = 14;
    bool m_bold = false;
    int m_currentY = 0;
    QFont m_font;
    bool m_fontStale = true;
};

} // namespace controls
