#pragma once

#include "controls/DegitValue.h"

#include <QString>
#include <cstdint>

namespace controls {

// ZeroMode: how a digit row shows 0, -1 and the empty text. The numbers are the ones the
// property stores and the settings dialog's list offers, in that order.
enum class ZeroMode : int16_t {
    Blank = 0,              // "0 は表示しない": 0 and the empty text blank
    Zero = 1,               // "0 を表示する": 0 and the empty text show 0
    BlankMinusOneZero = 2,  // "0 は表示しない（-1 を 0 と表示）": 0 blank, -1 shows 0
    ZeroMinusOneZero = 3,   // "0 と -1 を 0 と表示": -1, 0 and the empty text show 0
};

// The text a digit row shows for a value: zero substitution by ZeroMode, then zero fill to
// FillZero digits, then Shift blanks at the right. Cutting to the cell count is the drawer's.
QString composeDegitText(DegitValue value, int16_t zeroMode, int16_t fillZero, int16_t shift);

} // namespace controls
