#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where windows go on the screens there are: rectangle arithmetic on window frames (the window
// with its title bar and borders, in pixels), decided without a window.
namespace app::ScreenFit {

// The screens of the desktop, the primary one first.
QList<QRect> screenAreas();

// The frame's top left when it sits flush in the bottom-right corner of `screen`.
QPoint bottomRightCorner(const QSize &frame, const QRect &screen);

// Whether the frame lies wholly on one of the screens.
bool liesOnAScreen(const QRect &frame, const QList<QRect> &screens);

// The frame as it is when it lies wholly on one of the screens; otherwise moved as little as
// needed to lie wholly on the nearest screen (the one it overlaps most, or else the closest).
// A frame larger than that screen keeps its top left on it.
QRect onScreen(const QRect &frame, const QList<QRect> &screens);

// The frame made `width` wide: it keeps its left edge, or grows leftwards as far as needed
// when its right edge would otherwise leave `screen`, which it never leaves on the left.
QRect widened(const QRect &frame, int width, const QRect &screen);

} // namespace app::ScreenFit
