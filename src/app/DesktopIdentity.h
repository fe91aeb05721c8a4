#pragma once

namespace app {

// Gives every window of the program the application's icon (from the embedded resources) and
// names the menu entry the windows belong to, so a desktop groups them under it.
void applyDesktopIdentity();

} // namespace app
