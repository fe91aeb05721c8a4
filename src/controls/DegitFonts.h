#pragma once

#include <QString>
#include <cstdint>

namespace controls {

// The application's own faces: the three digit styles and the ticket-number face. They are built
// into the program and registered with the font database on first use.
class DegitFonts
{
public:
    // "M_DegitB" for style 1, "M_DegitC" for style 2, "M_DegitA" for any other style.
    static QString family(int16_t degitStyle);
    static QString numberFamily();
    // Registers the faces once; true when all of them are available.
    static bool ensureLoaded();
};

} // namespace controls
