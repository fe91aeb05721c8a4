#include "app/PanelDrag.h"

namespace app {

void PanelDrag::press(Qt::MouseButton button, QPoint pointer, QPoint windowTopLeft)
{
    if (button != Qt::LeftButton)
        return;
    m_state = State::Pressed;
    m_pressedAt = pointer;
    m_grabOffset = pointer - windowTopLeft;
}

PanelDrag::Action PanelDrag::move(Qt::MouseButtons held, QPoint pointer)
{
    if (!(held & Qt::LeftButton)) {
        m_state = State::Idle;
        return Action::None;
    }
    switch (m_state) {
    case State::Pressed:
        if ((pointer - m_pressedAt).manhattanLength() < m_dragDistance)
            return Action::None;
        m_state = State::SystemMoving;
        return Action::StartSystemMove;
    case State::Following:
        return Action::FollowPointer;
    case State::Idle:
    case State::SystemMoving:
        break;
    }
    return Action::None;
}

void PanelDrag::release(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        m_state = State::Idle;
}

void PanelDrag::systemMoveRefused()
{
    if (m_state == State::SystemMoving)
        m_state = State::Following;
}

} // namespace app
