#include "app/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace app::ScreenFit {
namespace {

qint64 area(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// How far apart two rectangles are (0 when they touch or overlap), along both axes.
qint64 distanceSquared(const QRect &a, const QRect &b)
{
    const qint64 dx = std::max({qint64(0), qint64(b.left()) - a.right(), qint64(a.left()) - b.right()});
    const qint64 dy = std::max({qint64(0), qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom()});
    return dx * dx + dy * dy;
}

QRect nearestScreen(const QRect &frame, const QList<QRect> &screens)
{
    QRect best = screens.constFirst();
    qint64 bestOverlap = -1;
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        const qint64 overlap = area(frame & screen);
        const qint64 distance = distanceSquared(frame, screen);
        if (overlap > bestOverlap || (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
            best = screen;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

// The lowest coordinate that keeps [start, start + length) within [low, high], the start kept
// in view when the length does not fit.
int clampStart(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high + 1 - length));
}

} // namespace

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->geometry();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->geometry();
    }
    return areas;
}

QPoint bottomRightCorner(const QSize &frame, const QRect &screen)
{
    return QPoint(screen.right() + 1 - frame.width(), screen.bottom() + 1 - frame.height());
}

bool liesOnAScreen(const QRect &frame, const QList<QRect> &screens)
{
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &s) { return s.contains(frame); });
}

QRect onScreen(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty() || liesOnAScreen(frame, screens))
        return frame;
    const QRect screen = nearestScreen(frame, screens);
    QRect placed = frame;
    placed.moveTo(clampStart(frame.left(), frame.width(), screen.left(), screen.right()),
                  clampStart(frame.top(), frame.height(), screen.top(), screen.bottom()));
    return placed;
}

QRect widened(const QRect &frame, int width, const QRect &screen)
{
    QRect wide(frame.topLeft(), QSize(width, frame.height()));
    if (wide.right() > screen.right())
        wide.moveLeft(std::max(screen.left(), screen.right() + 1 - width));
    return wide;
}

} // namespace app::ScreenFit
