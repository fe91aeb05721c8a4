#pragma once

#include <cstdint>

namespace app {

class Forms;

// Route entry on the console's keypad and digit lists, and route setting with "リセット".
namespace RouteEntry {

void keypadKey(Forms &forms, int k);
void routeDigitChosen(Forms &forms);
void sectionDigitChosen(Forms &forms);
// The "リセット" button of the digit-list frame (0) or of the keypad frame (1).
void setRoute(Forms &forms, int frame);

} // namespace RouteEntry
} // namespace app
