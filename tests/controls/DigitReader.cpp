#include "DigitReader.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

bool isLitPixel(QRgb p, const QColor &lit)
{
    // A pixel counts as lit when it is at least halfway from black to the lit colour; the lit
    // colour used by tests is pure red so unlit and background pixels never qualify.
    return qRed(p) >= lit.red() / 2 && qGreen(p) < 64 && qBlue(p) < 64;
}

int difference(const QImage &a, const QImage &b)
{
    int diff = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            diff += (a.pixel(x, y) != b.pixel(x, y)) ? 1 : 0;
    return diff;
}

} // namespace

DigitReader::DigitReader(int16_t degitStyle, int16_t degitSize, base::OleColor lit)
    : m_cell(controls::M_Degit::cellSize(degitSize)), m_lit(base::toQColor(lit)),
      m_chars(QStringLiteral("0123456789-"))
{
    const QFont font = controls::M_Degit::digitFont(degitStyle, degitSize, true);
    for (QChar c : m_chars) {
        QImage glyph(m_cell, QImage::Format_RGB32);
        glyph.fill(Qt::black);
        QPainter painter(&glyph);
        painter.setFont(font);
        painter.setPen(m_lit);
        painter.drawText(QPointF(0, -1 + QFontMetricsF(font, &glyph).ascent()), QString(c));
        painter.end();
        m_references << cellMask(glyph, 0);
    }
}

QImage DigitReader::cellMask(const QImage &surface, int index) const
{
    QImage mask(m_cell, QImage::Format_RGB32);
    mask.fill(Qt::black);
    for (int y = 0; y < m_cell.height() && y < surface.height(); ++y) {
        for (int x = 0; x < m_cell.width(); ++x) {
            const int sx = index * m_cell.width() + x;
            if (sx < surface.width() && isLitPixel(surface.pixel(sx, y), m_lit))
                mask.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    return mask;
}

int DigitReader::litPixels(const QImage &surface, int index) const
{
    const QImage mask = cellMask(surface, index);
    int n = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            n += mask.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

QString DigitReader::read(const QImage &surface) const
{
    QString out;
    const int cells = surface.width() / m_cell.width();
    for (int i = 0; i < cells; ++i) {
        if (litPixels(surface, i) == 0) {
            out += u' ';
            continue;
        }
        const QImage mask = cellMask(surface, i);
        QChar found = u'?';
        for (int k = 0; k < m_references.size(); ++k) {
            if (difference(mask, m_references[k]) <= 2) {
                found = m_chars[k];
                break;
            }
        }
        out += found;
    }
    return out;
}

bool DigitReader::nothingLit(const QImage &surface) const
{
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (isLitPixel(surface.pixel(x, y), m_lit))
                return false;
    return true;
}
