#pragma once

#include <QGroupBox>

namespace app {

// A route-entry frame of the console: a plain frame that reports double-clicks on its own
// surface. The two frames lie on top of each other and the one on top hides the other.
class EntryFrame : public QGroupBox
{
    Q_OBJECT

public:
    EntryFrame(int index, QWidget *parent);
    int index() const { return m_index; }

signals:
    void DblClick(int index);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
};

} // namespace app
