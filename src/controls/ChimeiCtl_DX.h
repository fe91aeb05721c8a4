#pragma once

#include "controls/PropertyBag.h"

#include <QWidget>

namespace controls {

// Stop-name display (placeholder until the dot-matrix drawing lands).
class ChimeiCtl_DX : public QWidget
{
    Q_OBJECT
public:
    explicit ChimeiCtl_DX(const PropertyBag &designerData, QWidget *parent = nullptr);
    void SetChimei(const QString &strText);
};

} // namespace controls
