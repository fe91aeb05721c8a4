#pragma once

class QWidget;

namespace ui {

// For measuring start-up: when the environment variable HARUNE_EXIT_AFTER_FIRST_PAINT is set,
// the program ends at once after the first paint of `window` has been handed to the display
// server, without any shutdown work. The whole run's wall time is then process start to first
// picture. Without the variable this does nothing.
void exitAfterFirstPaintIfAsked(QWidget &window);

} // namespace ui
