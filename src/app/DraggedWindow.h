#pragma once

#include "app/PanelDrag.h"

class QMouseEvent;
class QWidget;

namespace app {

// Moves a frameless window dragged by its face, as PanelDrag decides: the window manager moves
// it as if its title bar were held; where it will not, the window follows the mouse itself. The
// panel and its enlarged view are dragged alike.
class DraggedWindow
{
public:
    DraggedWindow(QWidget &window, int dragDistance) : m_window(window), m_drag(dragDistance) {}

    void press(const QMouseEvent &event);
    void move(const QMouseEvent &event);
    void release(const QMouseEvent &event);

private:
    QWidget &m_window;
    PanelDrag m_drag;
};

} // namespace app
