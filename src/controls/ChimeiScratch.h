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
    // The ink's colour; dots are lit only by pixels of exactly this.
    static constexpr QRgb Black = 0xFF000000;

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
    QImage &image()
    {
        m_clear = false; // the caller may draw on it
        return m_image;
    }

private:
    // Everything a glyph printed on the white surface depends on.
    struct Glyph
    {
        QString text;
        QString faceName;
        int points = 0;
        bool bold = false;
        int currentY = 0;
        bool operator==(const Glyph &) const = default;
        friend size_t qHash(const Glyph &g, size_t seed = 0)
        {
            return qHashMulti(seed, g.text, g.faceName, g.points, g.bold, g.currentY);
        }
    };

    const QFont &currentFont();
    void draw(const QString &text);

    // True while the surface is white from Cls().
    bool m_clear = true;

    QImage m_image;
    QString m_faceName;
    int m_points = 14;
    bool m_bold = false;
    int m_currentY = 0;
    QFont m_font;
    bool m_fontStale = true;
};

} // namespace controls
