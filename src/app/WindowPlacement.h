#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>

#include <optional>

namespace app {

// Where one window goes, and what of its place the settings file keeps. The window reports what
// happens to it (frames and screens in pixels) and moves where it is told; nothing here touches
// a window.
//
// A window manager puts its frame round a window only after the window is shown, so a window
// placed before that is placed once more when its frame becomes known: flush in its corner, or
// wholly on a screen. A stored position that had to be brought onto a screen is written back
// unchanged as long as the window stays where the program put it.
class WindowPlacement
{
public:
    // Flush in the bottom-right corner of `screen`.
    QPoint bottomRight(const QRect &frame, const QMargins &margins, const QRect &screen);
    // At the stored position (twips) when the frame lies wholly on a screen there; otherwise as
    // little away from it as brings the frame wholly onto the nearest screen.
    QPoint stored(QPoint storedTwips, const QRect &frame, const QMargins &margins, const QList<QRect> &screens);
    // The window manager's frame round the window is now `margins`, and the frame is `frame`:
    // where the window goes, if it moves at all.
    std::optional<QPoint> frameChanged(const QRect &frame, const QMargins &margins);
    // The window becomes `width` wide: where its frame goes. It grows leftwards when it would
    // leave `screen` on the right, and narrowing again undoes that.
    QRect widened(const QRect &frame, int width, const QRect &screen);
    QRect narrowed(const QRect &frame, int width);
    // What the settings file keeps for the window now at `current` (twips).
    QPoint twipsToStore(QPoint current) const;

private:
    enum class Anchor { Free, BottomRight, OnScreen };

    // The program moved the window; a window the user has moved since it was placed is his.
    void movedByProgram(QPoint from, QPoint to);

    Anchor m_anchor = Anchor::Free;
    QMargins m_margins;
    QList<QRect> m_screens;
    bool m_hasStored = false;
    QPoint m_storedTwips;
    QPoint m_placed;
    // How far the last widening moved the window left, and where it left it.
    int m_leftShift = 0;
    QPoint m_widenedAt;
};

} // namespace app
