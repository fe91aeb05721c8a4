#pragma once

#include "controls/DegitValue.h"

#include <QString>
#include <cstdint>

namespace controls {

// The text a digit row shows for a value: zero substitution by ZeroMode, then zero fill to
// FillZero digits, then Shift blanks at the right. Cutting to the cell count is the drawer's.
QString composeDegitText(DegitValue value, int16_t zeroMode, int16_t fillZero, int16_t shift);

} // namespace controls
