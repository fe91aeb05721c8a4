#include "app/EntryFrame.h"

#include <QMouseEvent>

namespace app {

EntryFrame::EntryFrame(int index, QWidget *parent) : QGroupBox(parent), m_index(index)
{
    setObjectName(QStringLiteral("Frame1_%1").arg(index));
    setAutoFillBackground(true);
}

void EntryFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit DblClick(m_index);
}

} // namespace app
