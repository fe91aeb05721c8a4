#include "app/WindowPlacement.h"

#include "app/ScreenFit.h"
#include "base/Twips.h"

namespace app {

QPoint WindowPlacement::bottomRight(const QRect &frame, const QMargins &margins, const QRect &screen)
{
    m_anchor = Anchor::BottomRight;
    m_margins = margins;
    m_screens = {screen};
    m_placed = ScreenFit::bottomRightCorner(frame.size(), screen);
    return m_placed;
}

QPoint WindowPlacement::stored(QPoint storedTwips, const QRect &frame, const QMargins &margins,
                               const QList<QRect> &screens)
{
    m_anchor = Anchor::OnScreen;
    m_margins = margins;
    m_screens = screens;
    m_hasStored = true;
    m_storedTwips = storedTwips;
    const QRect wanted(QPoint(base::px(storedTwips.x()), base::px(storedTwips.y())), frame.size());
    m_placed = ScreenFit::onScreen(wanted, screens).topLeft();
    return m_placed;
}

std::optional<QPoint> WindowPlacement::frameChanged(const QRect &frame, const QMargins &margins)
{
    if (m_anchor == Anchor::Free || margins == m_margins || m_screens.isEmpty())
        return std::nullopt;
    const Anchor anchor = m_anchor;
    // Once: later changes of the frame are the window manager's or the user's business.
    m_anchor = Anchor::Free;
    m_margins = margins;
    // The frame goes where the window was placed, now that its size is known: a window manager
    // may have put its frame round the window where the window was, not where it was asked.
    const QPoint target = anchor == Anchor::BottomRight
                              ? ScreenFit::bottomRightCorner(frame.size(), m_screens.constFirst())
                              : ScreenFit::onScreen(QRect(m_placed, frame.size()), m_screens).topLeft();
    m_placed = target;
    if (target == frame.topLeft())
        return std::nullopt;
    return target;
}

QRect WindowPlacement::widened(const QRect &frame, int width, const QRect &screen)
{
    const QRect wide = ScreenFit::widened(frame, width, screen);
    m_leftShift = frame.left() - wide.left();
    m_widenedAt = wide.topLeft();
    movedByProgram(frame.topLeft(), wide.topLeft());
    return wide;
}

QRect WindowPlacement::narrowed(const QRect &frame, int width)
{
    QRect narrow(frame.topLeft(), QSize(width, frame.height()));
    // Back where it was before it grew leftwards, unless the user has moved it meanwhile.
    if (m_leftShift != 0 && frame.topLeft() == m_widenedAt) {
        narrow.moveLeft(frame.left() + m_leftShift);
        movedByProgram(frame.topLeft(), narrow.topLeft());
    }
    m_leftShift = 0;
    return narrow;
}

QPoint WindowPlacement::twipsToStore(QPoint current) const
{
    if (m_hasStored && current == m_placed)
        return m_storedTwips;
    return QPoint(base::twips(current.x()), base::twips(current.y()));
}

void WindowPlacement::movedByProgram(QPoint from, QPoint to)
{
    if (from == m_placed)
        m_placed = to;
}

} // namespace app
