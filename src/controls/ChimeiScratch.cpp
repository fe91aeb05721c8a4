#include "controls/ChimeiScratch.h"

#include "base/FaceNames.h"

#include <QCache>
#include <QFontMetrics>
#include <QPainter>

namespace controls {
namespace {

constexpr QRgb White = 0xFFFFFFFF;

// Glyphs a stop name has printed before: a name shown again, or a character it shares with
// another, is copied instead of laid out and rasterised again. A glyph is about 1.3 KB.
constexpr int GlyphCacheEntries = 2048;

int pixelsForPoints(int points)
{
    return (points * 96 + 36) / 72;
}

} // namespace

ChimeiScratch::ChimeiScratch()
    : m_image(Size, Size, QImage::Format_RGB32), m_faceName(base::FaceNames::Gothic)
{
    Cls();
}

void ChimeiScratch::Cls()
{
    m_image.fill(White);
    m_currentY = 0;
    m_clear = true;
}

void ChimeiScratch::setFaceName(const QString &faceName)
{
    if (faceName == m_faceName)
        return;
    m_faceName = faceName;
    m_fontStale = true;
}

void ChimeiScratch::setFontSize(int points)
{
    if (points == m_points)
        return;
    m_points = points;
    m_fontStale = true;
}

const QFont &ChimeiScratch::currentFont()
{
    if (m_fontStale) {
        m_font = base::FaceNames::font(m_faceName, pixelsForPoints(m_points));
        // Dots are lit only by pure black pixels, so strokes must not be smoothed into greys.
        m_font.setStyleStrategy(QFont::NoAntialias);
        m_font.setHintingPreference(QFont::PreferFullHinting);
        m_fontStale = false;
    }
    return m_font;
}

void ChimeiScratch::Print(const QString &text)
{
    // The interface thread alone draws stop names.
    static QCache<Glyph, QImage> printed(GlyphCacheEntries);
    if (!m_clear) {
        draw(text);
        return;
    }
    const Glyph glyph{text, m_faceName, m_points, m_bold, m_currentY};
    if (const QImage *known = printed.object(glyph)) {
        m_image = *known;
    } else {
        draw(text);
        printed.insert(glyph, new QImage(m_image));
    }
    m_clear = false;
}

void ChimeiScratch::draw(const QString &text)
{
    const QFont &font = currentFont();
    const int baseline = m_currentY + QFontMetrics(font).ascent();
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(0, baseline, text);
    if (m_bold) {
        // The faces have no bold of their own. A second pass one pixel to the right widens every
        // vertical stroke by one dot and keeps the counters open at this small size, where an
        // emboldened outline fills them in.
        painter.drawText(1, baseline, text);
    }
}

bool ChimeiScratch::isBlack(int c, int r) const
{
    if (c < 0 || r < 0 || c >= Size || r >= Size)
        return false;
    return reinterpret_cast<const QRgb *>(m_image.constScanLine(r))[c] == Black;
}

} // namespace controls
