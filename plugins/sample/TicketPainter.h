#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QFont;
class QRect;

namespace sample {

// What one ticket carries.
struct TicketFields
{
    QString company;
    QString stopName;
    QString date;
    QString time;
    int route = 0;
    int ticket = 0;
    int row = 0;
};

// Draws a landscape numbered ticket into an image of any size: the company and a "整理券" mark
// on top, the big ticket number on the left, date, time, route and boarding stop on the right,
// the barcode along the bottom. Nothing is drawn outside the image. Text needs a running
// QGuiApplication; without one the ticket is drawn without its text.
class TicketPainter
{
public:
    TicketPainter(QImage &image, const TicketFields &fields);
    void paint();

private:
    void paintPaper(QPainter &p);
    void paintHeader(QPainter &p, const QRect &area);
    void paintNumber(QPainter &p, const QRect &area);
    void paintDetails(QPainter &p, const QRect &area);
    void paintBarcode(QPainter &p, const QRect &area);
    // `text` in `font` shrunk until it fits `area`, elided when even the smallest size does not.
    void drawFitted(QPainter &p, const QRect &area, const QString &text, QFont font, int flags);

    QImage &m_image;
    const TicketFields &m_fields;
    bool m_text;
};

} // namespace sample
