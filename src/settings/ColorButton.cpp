#include "settings/ColorButton.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace settings {

ColorButton::ColorButton(QWidget *parent) : QPushButton(parent) {}

void ColorButton::setBackColor(base::OleColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit backColorChanged(color);
}

void ColorButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect face = rect().adjusted(4, 4, -4, -4);
    painter.fillRect(face, base::toQColor(m_color));
    painter.setPen(isEnabled() ? QColor(0x40, 0x40, 0x40) : QColor(0xA0, 0xA0, 0xA0));
    painter.drawRect(face.adjusted(0, 0, -1, -1));
}

} // namespace settings
