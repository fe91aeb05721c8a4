#include "ticket/mdlSeiriken.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "reslib/KBP4Res.h"

#include <QDateTime>
#include <QLabel>
#include <QPixmap>

#include <cmath>
#include <limits>

namespace ticket {

using base::Cp932;

namespace {

QColor backgroundOf(const QLabel *picture)
{
    return picture->palette().color(picture->backgroundRole());
}

// The leading number of `text`: blanks, an optional sign, digits and a decimal fraction.
double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace

QString SystemDateText(const QDateTime &now)
{
    return now.date().toString(QStringLiteral("MM-dd-yyyy"));
}

QString TimeText(const QDateTime &now)
{
    return now.time().toString(QStringLiteral("HH:mm:ss"));
}

QString TicketDateAtRouteSetting(const PreviewOptions &options, const QDateTime &now)
{
    return options.dateMode == settings::TicketDateMode::Fixed ? options.fixedDate : SystemDateText(now);
}

QString DateText(const PreviewOptions &options, const QString &ticketDate, const QDateTime &now)
{
    switch (options.dateMode) {
    case settings::TicketDateMode::KeptAtRouteSetting:
        return ticketDate;
    case settings::TicketDateMode::Fixed:
        return options.fixedDate;
    case settings::TicketDateMode::AtPrint:
        break;
    }
    return SystemDateText(now);
}

int32_t RouteNumber(const QString &routeNo)
{
    const double rounded = std::nearbyint(leadingNumber(routeNo)); // half to even
    if (rounded >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (rounded <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(rounded);
}

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
