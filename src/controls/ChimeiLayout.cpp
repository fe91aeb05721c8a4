#include "controls/ChimeiLayout.h"

#include <algorithm>
#include <array>
#include <climits>

namespace controls {
namespace {

struct Placement
{
    int32_t start;
    int32_t pitch;
};

// Indexed by the number of units, 0 to 8; 8 stands for 8 and more.
constexpr std::array<Placement, 9> Plain{{
    {0, 0}, {188, 0}, {135, 108}, {81, 108}, {67, 81}, {27, 81}, {21, 66}, {18, 57}, {0, 54},
}};
constexpr std::array<Placement, 9> AfterTsugiwa{{
    {0, 0}, {242, 0}, {188, 108}, {162, 81}, {135, 72}, {135, 54}, {108, 54}, {108, 54}, {108, 54},
}};

} // namespace

ChimeiLayout ChimeiLayout::forName(int32_t byteLength, bool tsugiwa)
{
    ChimeiLayout layout;
    int32_t length = byteLength < 0 ? 0 : byteLength;
    const int32_t units = length / 2;
    const Placement &place = (tsugiwa ? AfterTsugiwa : Plain)[units < 8 ? units : 8];
    layout.start = place.start;
    layout.pitch = place.pitch;
    layout.stripAtRightEdge = units >= 9;

    int64_t width = StageWidth;
    if (tsugiwa && units >= 7)
        width = (int64_t{length} + 4) / 2 * GlyphAdvance;
    else if (!tsugiwa && units >= 8)
        width = int64_t{units} * GlyphAdvance;
    layout.stripWidth = static_cast<int32_t>(std::min<int64_t>(width, MaxStripWidth));

    // The prefix counts as two more units for the loop over the units and the scroll decision.
    if (tsugiwa && units >= 1 && length <= INT32_MAX - 4)
        length += 4;
    layout.unitCount = length;
    layout.scrolls = length / 2 >= 9;
    return layout;
}

} // namespace controls
