#include "controls/ChimeiCtl_DX.h"

namespace controls {

ChimeiCtl_DX::ChimeiCtl_DX(const PropertyBag &, QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    setPalette(p);
}

void ChimeiCtl_DX::SetChimei(const QString &) {}

} // namespace controls
