#include "ticket/mdlSeiriken.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "reslib/KBP4Res.h"

#include <QDateTime>
#include <QLabel>
#include <QPixmap>

namespace ticket {

using base::Cp932;

namespace {

QColor backgroundOf(const QLabel *picture)
{
    return picture->palette().color(picture->backgroundRole());
}

} // namespace

QImage BlankPreview(const QSize &size, const QColor &background)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

QSize CanvasSize(const QLabel *picture)
{
    return picture->contentsRect().size();
}

void ClearPreview(QLabel *picture)
{
    const QImage blank = BlankPreview(CanvasSize(picture), backgroundOf(picture));
    if (blank.isNull())
        picture->clear();
    else
        picture->setPixmap(QPixmap::fromImage(blank));
}

QImage PreviewImage(const QLabel *picture)
{
    const QPixmap shown = picture->pixmap();
    if (!shown.isNull())
        return shown.toImage();
    return BlankPreview(CanvasSize(picture), backgroundOf(picture));
}

void RefreshPreview(QLabel *picture, const PreviewOptions &options, const PreviewStop &stop,
                    const base::Clock &clock)
{
    ClearPreview(picture);
    if (!options.use)
        return;
    QImage canvas = BlankPreview(CanvasSize(picture), backgroundOf(picture));
    if (canvas.isNull())
        return;
    const QDateTime now = clock.now();
    reslib::KB4_DrawSeiriken(options.pluginFile, canvas, Cp932::fromUnicode(stop.stopName),
                             Cp932::fromUnicode(DateText(options, stop.ticketDate, now)),
                             Cp932::fromUnicode(TimeText(now)), RouteNumber(stop.routeNo), stop.ticketNo, stop.row,
                             stop.corpIndex);
    picture->setPixmap(QPixmap::fromImage(canvas));
    picture->update();
}

} // namespace ticket
