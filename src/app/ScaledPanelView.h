#pragma once

#include "app/DraggedWindow.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

class QScreen;

namespace app {

// The panel shown enlarged by a whole number, in a frameless window of its own with the panel's
// outline enlarged alike, or full screen, centred on black. The panel window itself stays as it
// is, off the screen: its controls paint as they always do, the view copies what they painted
// and enlarges it pixel by pixel, so the enlarged panel is the panel's own picture, sharp. Mouse
// input comes back to the panel's controls at the matching point: a double-click on a fare cell
// opens its settings, a left-button drag moves the view, a right click asks for the menu.
class ScaledPanelView : public QWidget
{
    Q_OBJECT

public:
    explicit ScaledPanelView(QWidget &panel);
    ~ScaledPanelView() override;

    // In a window of its own, its top left corner at `topLeft`.
    void showEnlarged(int factor, QPoint topLeft);
    // Filling `screen`, at the largest enlargement that fits.
    void showFullScreenOn(QScreen &screen);

    int factor() const { return m_factor; }
    bool fillsScreen() const { return m_fillsScreen; }
    // Where the panel's top left corner lies in the view.
    QPoint panelOrigin() const { return m_origin; }
    // The panel point under a point of the view.
    QPoint toPanel(QPoint viewPoint) const;

signals:
    void menuRequested(QPoint globalPos);
    void leaveFullScreenRequested();
    // The window moved, by the user's drag or the window manager.
    void movedTo(QPoint topLeft);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchPanel();
    void panelPainted(const QWidget &painted, const QRect &rect);
    void refreshFace();
    QRect panelArea() const;
    QRect toView(const QRect &panelRect) const;
    QRegion enlargedOutline() const;
    bool acceptsInput() const;

    QWidget &m_panel;
    // The panel's picture at 1×, brought up to date from the panel before each paint.
    QImage m_face;
    QRegion m_stale; // panel pixels
    int m_factor = 1;
    bool m_fillsScreen = false;
    QPoint m_origin;
    DraggedWindow m_drag;
    bool m_copying = false;
};

} // namespace app
