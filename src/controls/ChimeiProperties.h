#pragma once

#include "base/OleColor.h"

#include <cstdint>

namespace controls {

// The properties of the stop-name display as its owner stores them. The initial values are
// the defaults a persisted property set falls back to when a name is absent.
struct ChimeiProperties
{
    base::OleColor BackColor = 0x808080;
    base::OleColor ForeColor = 0x00BEFF;
    int16_t Speed = 5;
    int32_t ScrollStartWait = 1500;
    int16_t Mode = 0;
    int16_t Appearance = 1;
    int16_t FontMode = 0;
    bool FontBold = false;
    int16_t TsugiwaMode = 0;
    base::OleColor TsugiwaColor = 7977471;
    int16_t TsugiwaFontMode = 0;
    bool TsugiwaBold = false;

    // The "次は" prefix is shown for any mode other than 0.
    bool showsTsugiwa() const { return TsugiwaMode != 0; }
};

} // namespace controls
