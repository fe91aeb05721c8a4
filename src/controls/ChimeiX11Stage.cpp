#include "controls/ChimeiX11Stage.h"

#include "base/Magnify.h"

#include <QGuiApplication>
#include <QRegion>
#include <QWidget>

#ifdef HARUNE_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

#include <algorithm>

namespace controls {

#ifdef HARUNE_HAVE_XCB

struct ChimeiX11Stage::Server
{
    xcb_connection_t *connection = nullptr;
    uint8_t depth = 0;
    xcb_pixmap_t pixmap = 0;
    xcb_gcontext_t gc = 0;
    std::size_t maxRequestBytes = 0;
};

namespace {

// The visual of `window` when its pixels are 32-bit words 0x00RRGGBB (or AARRGGBB) in the
// byte order of this machine, which is how a QImage of Format_RGB32 holds them.
const xcb_visualtype_t *plainVisual(xcb_connection_t *c, xcb_window_t window, uint8_t *depth)
{
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    if (!attributes)
        return nullptr;
    const xcb_visualid_t id = attributes->visual;
    free(attributes);

    const xcb_setup_t *setup = xcb_get_setup(c);
    const bool littleEndian = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != littleEndian)
        return nullptr;
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem; xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem; xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals)) {
                const xcb_visualtype_t *v = visuals.data;
                if (v->visual_id != id)
                    continue;
                const bool plain = v->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v->red_mask == 0xff0000
                                   && v->green_mask == 0xff00 && v->blue_mask == 0xff
                                   && (depths.data->depth == 24 || depths.data->depth == 32);
                *depth = depths.data->depth;
                return plain ? v : nullptr;
            }
        }
    }
    return nullptr;
}

bool thirtyTwoBitPixels(xcb_connection_t *c, uint8_t depth)
{
    const xcb_setup_t *setup = xcb_get_setup(c);
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats))
        if (formats.data->depth == depth)
            return formats.data->bits_per_pixel == 32;
    return false;
}

} // namespace

// The X window of a widget's top-level window, which Qt has made native anyway.
static xcb_window_t windowOf(const QWidget &widget)
{
    return static_cast<xcb_window_t>(widget.window()->internalWinId());
}

std::unique_ptr<ChimeiX11Stage> ChimeiX11Stage::create(QWidget &display, const Magnification &seenIn)
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    const QWidget &seen = seenIn.view ? *seenIn.view : display;
    if (!x11 || !x11->connection() || !display.isVisible() || !seen.isVisible() || seen.devicePixelRatioF() != 1.0
        || seenIn.factor < 1)
        return nullptr;
    const xcb_window_t window = windowOf(seen);
    if (!window)
        return nullptr;
    auto server = std::make_unique<Server>();
    server->connection = x11->connection();
    if (!plainVisual(server->connection, window, &server->depth) || !thirtyTwoBitPixels(server->connection, server->depth))
        return nullptr;
    server->maxRequestBytes = std::size_t(xcb_get_maximum_request_length(server->connection)) * 4;
    server->gc = xcb_generate_id(server->connection);
    // No exposure events: the source of every copy is a pixmap, always complete.
    const uint32_t values[] = {0};
    xcb_create_gc(server->connection, server->gc, window, XCB_GC_GRAPHICS_EXPOSURES, values);
    return std::unique_ptr<ChimeiX11Stage>(new ChimeiX11Stage(display, seenIn, std::move(server)));
}

ChimeiX11Stage::~ChimeiX11Stage()
{
    if (m_server->pixmap)
        xcb_free_pixmap(m_server->connection, m_server->pixmap);
    xcb_free_gc(m_server->connection, m_server->gc);
    xcb_flush(m_server->connection);
}

uint32_t ChimeiX11Stage::pixel(QRgb colour) const
{
    // A 32-bit visual carries alpha in the top byte; the display is opaque.
    return (colour & 0xffffff) | (m_server->depth == 32 ? 0xff000000u : 0u);
}

QWidget &ChimeiX11Stage::seenWindow() const
{
    return *(m_seenIn.view ? m_seenIn.view : &m_display)->window();
}

QPoint ChimeiX11Stage::displayOrigin() const
{
    if (m_seenIn.view)
        return m_seenIn.view->mapTo(m_seenIn.view->window(), m_seenIn.origin);
    return m_display.mapTo(m_display.window(), QPoint(0, 0));
}

void ChimeiX11Stage::sendStrip(const QImage &original)
{
    // Enlarged once per name, so that each move stays one copy on the server.
    const QImage strip = m_seenIn.factor > 1 ? base::magnified(original, m_seenIn.factor) : original;
    xcb_connection_t *c = m_server->connection;
    if (m_server->pixmap && m_pixmapSize != strip.size()) {
        xcb_free_pixmap(c, m_server->pixmap);
        m_server->pixmap = 0;
    }
    if (!m_server->pixmap) {
        m_server->pixmap = xcb_generate_id(c);
        xcb_create_pixmap(c, m_server->depth, m_server->pixmap, windowOf(seenWindow()),
                          uint16_t(strip.width()), uint16_t(strip.height()));
        m_pixmapSize = strip.size();
    }
    // In as many requests as the server's size limit asks for.
    const QImage rgb = strip.format() == QImage::Format_RGB32 ? strip : strip.convertToFormat(QImage::Format_RGB32);
    const std::size_t line = std::size_t(rgb.bytesPerLine());
    const int rowsPerRequest = int(std::max<std::size_t>(1, (m_server->maxRequestBytes - 64) / line));
    for (int y = 0; y < rgb.height(); y += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, rgb.height() - y);
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_server->pixmap, m_server->gc, uint16_t(rgb.width()),
                      uint16_t(rows), 0, int16_t(y), 0, m_server->depth, uint32_t(line * std::size_t(rows)),
                      rgb.constScanLine(y));
    }
    m_stripSent = true;
}

bool ChimeiX11Stage::draw(const QImage &strip, QPoint stripOrigin, const QRect &displayArea, QRgb background)
{
    QWidget &seen = seenWindow();
    if (std::max(strip.width(), strip.height()) > MaxPixmapSide / m_seenIn.factor)
        return false;
    if (!m_display.isVisible() || !seen.isVisible() || displayArea.isEmpty() || !windowOf(seen))
        return true;
    if (!m_stripSent)
        sendStrip(strip);
    xcb_connection_t *c = m_server->connection;
    const xcb_window_t window = windowOf(seen);
    // Display pixels to window pixels: enlarged, then placed.
    const int f = m_seenIn.factor;
    const QPoint offset = displayOrigin();
    const QRect area(displayArea.topLeft() * f, displayArea.size() * f);
    stripOrigin *= f;
    const QRect onStage = QRect(stripOrigin, strip.size() * f).intersected(area);
    if (!onStage.isEmpty()) {
        const QPoint from = onStage.topLeft() - stripOrigin;
        const QPoint to = onStage.topLeft() + offset;
        xcb_copy_area(c, m_server->pixmap, window, m_server->gc, int16_t(from.x()), int16_t(from.y()),
                      int16_t(to.x()), int16_t(to.y()), uint16_t(onStage.width()), uint16_t(onStage.height()));
    }
    const QRegion uncovered = QRegion(area).subtracted(onStage);
    if (!uncovered.isEmpty()) {
        const uint32_t foreground[] = {pixel(background)};
        xcb_change_gc(c, m_server->gc, XCB_GC_FOREGROUND, foreground);
        for (const QRect &r : uncovered.translated(offset)) {
            const xcb_rectangle_t rect{int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())};
            xcb_poly_fill_rectangle(c, window, m_server->gc, 1, &rect);
        }
    }
    xcb_flush(c);
    return true;
}

ChimeiX11Stage::ChimeiX11Stage(QWidget &display, const Magnification &seenIn, std::unique_ptr<Server> server)
    : m_display(display), m_seenIn(seenIn), m_server(std::move(server))
{
}

#else // without the X11 headers the display always draws through Qt

struct ChimeiX11Stage::Server
{
};

std::unique_ptr<ChimeiX11Stage> ChimeiX11Stage::create(QWidget &, const Magnification &)
{
    return nullptr;
}

ChimeiX11Stage::~ChimeiX11Stage() = default;

bool ChimeiX11Stage::draw(const QImage &, QPoint, const QRect &, QRgb)
{
    return false;
}

#endif

} // namespace controls
