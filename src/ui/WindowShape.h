#pragma once

#include <QRegion>

class QWidget;

namespace ui {

// The region of a rectangle from (left, top) to (right, bottom), exclusive, with corners cut by
// an ellipse of the given width and height, as the platform's rounded-rectangle regions are.
QRegion roundedRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

} // namespace ui
