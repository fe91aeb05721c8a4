#include "TicketPainter.h"

#include "TicketBarcode.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace sample {
namespace {

const QColor Paper(0xFF, 0xFC, 0xF0);
const QColor Ink(0x20, 0x20, 0x20);
const QColor Faint(0x80, 0x80, 0x80);
const QColor Brand(0x1F, 0x5C, 0x3A);
const QColor Stamp(0xC0, 0x39, 0x2B);

// Family names are made at run time, not taken from literals in this library's own data: Qt
// keeps font requests in caches that outlive any one call.
QFont gothic(int pixelSize, bool bold = false)
{
    QFont f(QString::fromUtf8("IPAGothic"));
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void dashedLine(QPainter &p, int x1, int y1, int x2, int y2)
{
    QPen pen(Faint);
    pen.setStyle(Qt::DashLine);
    pen.setWidth(1);
    p.setPen(pen);
    p.drawLine(x1, y1, x2, y2);
}

} // namespace

TicketPainter::TicketPainter(QImage &image, const TicketFields &fields)
    : m_image(image), m_fields(fields),
      m_text(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
{
}

void TicketPainter::paint()
{
    const int w = m_image.width();
    const int h = m_image.height();
    if (w <= 0 || h <= 0)
        return;
    QPainter p(&m_image);
    p.setClipRect(m_image.rect());
    paintPaper(p);

    const int margin = std::max(2, w / 60);
    const int headerHeight = std::max(8, h * 17 / 100);
    const int barcodeHeight = std::max(10, h * 25 / 100);
    const QRect inner(margin, margin, w - 2 * margin, h - 2 * margin);
    const QRect header(inner.left(), inner.top(), inner.width(), headerHeight);
    const QRect barcode(inner.left(), inner.bottom() + 1 - barcodeHeight, inner.width(), barcodeHeight);
    const int bodyTop = header.bottom() + 4;
    const QRect body(inner.left(), bodyTop, inner.width(), barcode.top() - 3 - bodyTop);

    paintHeader(p, header);
    dashedLine(p, inner.left(), header.bottom() + 2, inner.right(), header.bottom() + 2);
    const int numberWidth = body.width() * 38 / 100;
    paintNumber(p, QRect(body.left(), body.top(), numberWidth, body.height()));
    dashedLine(p, body.left() + numberWidth + 2, body.top(), body.left() + numberWidth + 2, body.bottom());
    paintDetails(p, QRect(body.left() + numberWidth + 6, body.top(), body.width() - numberWidth - 6, body.height()));
    dashedLine(p, inner.left(), barcode.top() - 2, inner.right(), barcode.top() - 2);
    paintBarcode(p, barcode);
}

void TicketPainter::paintPaper(QPainter &p)
{
    p.fillRect(m_image.rect(), Paper);
    p.setPen(QPen(Faint, 1));
    p.drawRect(m_image.rect().adjusted(0, 0, -1, -1));
}

void TicketPainter::paintHeader(QPainter &p, const QRect &area)
{
    const int stampWidth = std::max(area.height() * 3, area.width() * 24 / 100);
    const QRect stamp(area.right() + 1 - stampWidth, area.top(), stampWidth, area.height());
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Stamp);
    p.drawRoundedRect(stamp, 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!m_text)
        return;
    p.setPen(Qt::white);
    drawFitted(p, stamp, QString::fromUtf8("整理券"), gothic(area.height() * 3 / 4, true), Qt::AlignCenter);
    p.setPen(Brand);
    drawFitted(p, QRect(area.left(), area.top(), stamp.left() - 4 - area.left(), area.height()), m_fields.company,
               gothic(area.height() * 3 / 4, true), Qt::AlignLeft | Qt::AlignVCenter);
}

void TicketPainter::paintNumber(QPainter &p, const QRect &area)
{
    if (!m_text)
        return;
    const int captionHeight = std::max(6, area.height() / 6);
    p.setPen(Faint);
    drawFitted(p, QRect(area.left(), area.top(), area.width(), captionHeight), QString::fromUtf8("整理券番号"),
               gothic(captionHeight), Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(Ink);
    const QRect numberArea(area.left(), area.top() + captionHeight, area.width(), area.height() - captionHeight);
    drawFitted(p, numberArea, QString::number(m_fields.ticket), gothic(numberArea.height() * 9 / 10, true),
               Qt::AlignCenter);
}

void TicketPainter::paintDetails(QPainter &p, const QRect &area)
{
    if (!m_text)
        return;
    const QString captions[4] = {QString::fromUtf8("日付"), QString::fromUtf8("時刻"), QString::fromUtf8("系統"),
                                 QString::fromUtf8("乗車")};
    const QString values[4] = {m_fields.date, m_fields.time, QString::number(m_fields.route), m_fields.stopName};
    const int lineHeight = area.height() / 4;
    const int captionWidth = std::max(10, area.width() * 22 / 100);
    for (int i = 0; i < 4; ++i) {
        const int y = area.top() + i * lineHeight;
        p.setPen(Faint);
        drawFitted(p, QRect(area.left(), y, captionWidth, lineHeight), captions[i], gothic(lineHeight * 6 / 10),
                   Qt::AlignLeft | Qt::AlignVCenter);
        p.setPen(Ink);
        drawFitted(p, QRect(area.left() + captionWidth, y, area.width() - captionWidth, lineHeight), values[i],
                   gothic(lineHeight * 8 / 10, i == 3), Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void TicketPainter::paintBarcode(QPainter &p, const QRect &area)
{
    const std::string digits = TicketBarcode::digits(m_fields.route, m_fields.row, m_fields.ticket);
    const std::vector<int> elements = TicketBarcode::elements(digits);
    const int textHeight = m_text ? std::max(6, area.height() / 4) : 0;
    const QRect bars(area.left(), area.top(), area.width(), area.height() - textHeight);
    if (elements.empty()) {
        // Values the code cannot hold: no barcode rather than a wrong one.
        if (m_text) {
            p.setPen(Faint);
            drawFitted(p, area, QString::fromUtf8("（バーコードなし）"), gothic(area.height() / 3), Qt::AlignCenter);
        }
        return;
    }
    const int modules = TicketBarcode::totalModules(elements);
    const int module = bars.width() / modules;
    if (module < 1)
        return;
    int x = bars.left() + (bars.width() - module * modules) / 2 + TicketBarcode::QuietModules * module;
    for (size_t i = 0; i < elements.size(); ++i) {
        const int width = elements[i] * module;
        if (i % 2 == 0)
            p.fillRect(QRect(x, bars.top(), width, bars.height()), Ink);
        x += width;
    }
    if (m_text) {
        p.setPen(Ink);
        drawFitted(p, QRect(area.left(), bars.bottom() + 1, area.width(), textHeight),
                   QString::fromLatin1(digits.c_str()), gothic(textHeight), Qt::AlignCenter);
    }
}

void TicketPainter::drawFitted(QPainter &p, const QRect &area, const QString &text, QFont font, int flags)
{
    if (text.isEmpty() || area.width() <= 0 || area.height() <= 0)
        return;
    constexpr int Smallest = 6;
    while (font.pixelSize() > Smallest && QFontMetrics(font).horizontalAdvance(text) > area.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, area.width());
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.drawText(area, flags, shown);
    p.restore();
}

} // namespace sample
