#pragma once

#include <cstdint>

namespace app {

class Forms;

// What the panel shows at a stop, stepping from stop to stop, display clear and the scroll
// settings of the stop-name display.
namespace PanelUpdate {

// Shows row n (1 to 301): fares from the starting section on, the information digits, the
// ticket preview and the stop name.
void showRow(Forms &forms, int16_t n);
// One stop back (0) or forward (1), with its sound.
void step(Forms &forms, int direction);
void displayClearChanged(Forms &forms);
void scrollSettingChanged(Forms &forms, int bar);

} // namespace PanelUpdate
} // namespace app
