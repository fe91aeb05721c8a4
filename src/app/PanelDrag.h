#pragma once

#include <QPoint>
#include <Qt>

namespace app {

// When a left-button press on the panel becomes a window move. The move starts only once the
// pointer has travelled the platform's drag distance with the button still held, so that a
// click or a double-click on a fare cell stays one: a window manager that took the pointer at
// the press would swallow the cell's double-click.
class PanelDrag
{
public:
    enum class Action {
        None,            // nothing to do
        StartSystemMove, // hand the move to the window manager (call systemMoveRefused if it says no)
        FollowPointer,   // move the window to topLeftFor(pointer)
    };

    explicit PanelDrag(int dragDistance) : m_dragDistance(dragDistance) {}

    void press(Qt::MouseButton button, QPoint pointer, QPoint windowTopLeft);
    Action move(Qt::MouseButtons held, QPoint pointer);
    void release(Qt::MouseButton button);
    // The window manager would not move the window: the panel follows the pointer itself.
    void systemMoveRefused();
    // Where the window goes so that the point grabbed stays under the pointer.
    QPoint topLeftFor(QPoint pointer) const { return pointer - m_grabOffset; }

private:
    enum class State { Idle, Pressed, SystemMoving, Following };

    int m_dragDistance;
    State m_state = State::Idle;
    QPoint m_pressedAt;
    QPoint m_grabOffset;
};

} // namespace app
