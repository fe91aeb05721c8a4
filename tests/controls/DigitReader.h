#pragma once

// Reads back what a digit row shows, cell by cell, from its pixels: each cell's lit pixels are
// compared with the glyphs of the digit font drawn on their own.

#include "controls/M_Degit.h"

#include <QImage>
#include <QString>

class DigitReader
{
public:
    DigitReader(int16_t degitStyle, int16_t degitSize, base::OleColor lit);

    // One character per cell: the digit or '-' whose lit pixels match, ' ' for a cell with none
    // lit, '?' for anything else.
    QString read(const QImage &surface) const;
    // Number of lit pixels in cell `index` (0 is the leftmost).
    int litPixels(const QImage &surface, int index) const;
    // True when every pixel of the surface is either background or the unlit colour family,
    // i.e. nothing is lit.
    bool nothingLit(const QImage &surface) const;

private:
    QImage cellMask(const QImage &surface, int index) const;

    QSize m_cell;
    QColor m_lit;
    QString m_chars;
    QList<QImage> m_references;
};
