#include "app/DraggedWindow.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace app {

void DraggedWindow::press(const QMouseEvent &event)
{
    m_drag.press(event.button(), event.globalPosition().toPoint(), m_window.frameGeometry().topLeft());
}

void DraggedWindow::move(const QMouseEvent &event)
{
    const QPoint pointer = event.globalPosition().toPoint();
    switch (m_drag.move(event.buttons(), pointer)) {
    case PanelDrag::Action::StartSystemMove:
        if (m_window.windowHandle() && m_window.windowHandle()->startSystemMove())
            return;
        m_drag.systemMoveRefused();
        m_window.move(m_drag.topLeftFor(pointer));
        return;
    case PanelDrag::Action::FollowPointer:
        m_window.move(m_drag.topLeftFor(pointer));
        return;
    case PanelDrag::Action::None:
        return;
    }
}

void DraggedWindow::release(const QMouseEvent &event)
{
    m_drag.release(event.button());
}

} // namespace app
