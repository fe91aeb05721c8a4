#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <cstdint>
#include <memory>

class QWidget;

namespace controls {

// The moves of the stop-name scroll drawn by the X server itself. The strip is kept in a pixmap
// on the server, and a move is one copy of its visible part into the window, where the display
// lies, plus the background beside it: two small requests, where a repaint through Qt
// synchronises with the server, paints the backing store and sends it again, several times the
// work per frame. The display still paints itself through Qt whenever Qt asks (a new name, a
// grab, and an exposed window, which the display repaints rather than let Qt show what its
// backing store last held), so the two always show the same picture.
class ChimeiX11Stage
{
public:
    // Where the display's pixels land when its window is shown enlarged in another window:
    // that window, the display's top left corner in it, and the whole-number factor.
    struct Magnification
    {
        QWidget *view = nullptr; // null: the display's own window, unenlarged
        QPoint origin;
        int factor = 1;
    };

    // Null unless the program runs on X11, `display` is shown, and the window it is seen in has
    // a plain true-colour visual at a device pixel ratio of 1; the display then draws its moves
    // through Qt.
    static std::unique_ptr<ChimeiX11Stage> create(QWidget &display, const Magnification &seenIn);
    static std::unique_ptr<ChimeiX11Stage> create(QWidget &display) { return create(display, Magnification()); }
    ~ChimeiX11Stage();
    ChimeiX11Stage(const ChimeiX11Stage &) = delete;
    ChimeiX11Stage &operator=(const ChimeiX11Stage &) = delete;

    // The strip's picture changed: it is sent to the server again before the next move.
    void stripChanged() { m_stripSent = false; }

    // Draws `area` of the display (display pixels) with `strip`'s top left corner at
    // `stripOrigin` and the background colour elsewhere. Nothing is drawn while the display is
    // hidden. False when the strip, enlarged, is wider than an X pixmap can be: the display
    // then draws the move through Qt.
    bool draw(const QImage &strip, QPoint stripOrigin, const QRect &area, QRgb background);

    // The widest and tallest pixmap the X protocol allows.
    static constexpr int MaxPixmapSide = 32767;

private:
    struct Server;

    ChimeiX11Stage(QWidget &display, const Magnification &seenIn, std::unique_ptr<Server> server);
    void sendStrip(const QImage &strip);
    uint32_t pixel(QRgb colour) const;
    // The X window the display is seen in, and the display's origin there.
    QWidget &seenWindow() const;
    QPoint displayOrigin() const;

    QWidget &m_display;
    Magnification m_seenIn;
    std::unique_ptr<Server> m_server;
    bool m_stripSent = false;
    QSize m_pixmapSize;
};

} // namespace controls
