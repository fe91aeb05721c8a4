#pragma once

#include <cstdint>

namespace controls {

// Where the units of a stop name go on the strip, decided by the number of two-byte units and
// whether the "次は" prefix is shown. Short names sit about the centre of the 432-pixel display
// (or of the 324 pixels right of the prefix); long ones get a strip as wide as the name and
// scroll.
struct ChimeiLayout
{
    static constexpr int32_t StageWidth = 432;
    static constexpr int32_t GlyphAdvance = 54;
    // Names longer than about 600 units are clipped at this width rather than given a strip the
    // size of the whole text.
    static constexpr int32_t MaxStripWidth = 32766;

    int32_t start = 0;         // x of the first unit
    int32_t pitch = 0;         // distance from one unit to the next
    int32_t stripWidth = StageWidth;
    int32_t unitCount = 0;     // units to draw: byte length, plus the prefix's 4 bytes when shown
    bool stripAtRightEdge = false; // the strip starts just beyond the stage's right edge
    bool scrolls = false;

    // `byteLength` is the code-page length of a non-empty name.
    static ChimeiLayout forName(int32_t byteLength, bool tsugiwa);
};

} // namespace controls
