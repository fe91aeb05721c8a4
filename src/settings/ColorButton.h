#pragma once

#include "base/OleColor.h"

#include <QPushButton>

namespace settings {

// A button that shows a colour as its face colour; the colour options are chosen with these.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget *parent = nullptr);

    base::OleColor BackColor() const { return m_color; }
    void setBackColor(base::OleColor color);

signals:
    void backColorChanged(base::OleColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    base::OleColor m_color = 0;
};

} // namespace settings
