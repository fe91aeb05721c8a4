#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs `work` once, on the interface thread, right after the first paint of `window` has been
// handed to the display server: start-up work that nothing on the first picture needs waits
// for it there.
void runAfterFirstPaint(QWidget &window, std::function<void()> work);

// For measuring start-up: when the environment variable HARUNE_EXIT_AFTER_FIRST_PAINT is set,
// the program ends at once after the first paint of `window`, without any shutdown work. The
// whole run's wall time is then process start to first picture. Without the variable this does
// nothing.
void exitAfterFirstPaintIfAsked(QWidget &window);

} // namespace ui
