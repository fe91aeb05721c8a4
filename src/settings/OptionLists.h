#pragma once

#include <QStringList>

namespace settings {

// The entries of the options window's drop-down lists. A stored list index must name one of
// them (or be -1, nothing selected), so the settings code takes its ranges from here too.
class OptionLists
{
public:
    static constexpr int CellCount = 30;    // fare cells on the panel
    static constexpr int ColumnCount = 150; // fare-data columns

    // Combo2: the twelve numbering styles of the ticket-number labels.
    static QStringList ticketNumberStyles();
    // Combo4(0) to Combo4(3): "1" to "30", the position among the thirty cells.
    static QStringList cellNumbers();
    // Combo4(4) and Combo1: "1" to "150", the fare-data column.
    static QStringList columnNumbers();
    // Combo3: the font of the stop name.
    static QStringList stopNameFonts();
    // Combo6: whether and how "次は" is shown.
    static QStringList tsugiwaModes();
    // Combo5: the font of "次は".
    static QStringList tsugiwaFonts();
};

} // namespace settings
