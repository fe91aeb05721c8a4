#include "app/ScaledPanelView.h"

#include "app/PanelScale.h"
#include "base/Magnify.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace app {
namespace {

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

QRegion enlargedRegion(const QRegion &region, int factor, QPoint origin)
{
    QRegion out;
    for (const QRect &r : region)
        out += QRect(origin + r.topLeft() * factor, r.size() * factor);
    return out;
}

} // namespace

ScaledPanelView::ScaledPanelView(QWidget &panel)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_panel(panel),
      m_face(panel.size(), QImage::Format_RGB32), m_stale(panel.rect()), m_drag(*this, QApplication::startDragDistance())
{
    setObjectName(QStringLiteral("ScaledPanel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(panel.windowTitle());
    setWindowIcon(panel.windowIcon());
    setAccessibleName(panel.accessibleName());
    m_face.fill(Qt::black);
    watchPanel();
}

ScaledPanelView::~ScaledPanelView() = default;

// Every paint of the panel or one of its controls marks what it painted for the view to copy.
void ScaledPanelView::watchPanel()
{
    m_panel.installEventFilter(this);
    for (QWidget *control : m_panel.findChildren<QWidget *>())
        control->installEventFilter(this);
}

bool ScaledPanelView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_copying)
        panelPainted(*static_cast<QWidget *>(watched), static_cast<QPaintEvent *>(event)->rect());
    return QWidget::eventFilter(watched, event);
}

void ScaledPanelView::panelPainted(const QWidget &painted, const QRect &rect)
{
    const QRect onPanel = QRect(painted.mapTo(&m_panel, rect.topLeft()), rect.size()).intersected(m_panel.rect());
    if (onPanel.isEmpty())
        return;
    m_stale += onPanel;
    update(toView(onPanel));
}

void ScaledPanelView::showEnlarged(int factor, QPoint topLeft)
{
    if (isFullScreen())
        showNormal();
    m_factor = std::clamp(factor, PanelScale::MinFactor, PanelScale::MaxFactor);
    m_fillsScreen = false;
    m_origin = QPoint(0, 0);
    setFixedSize(m_panel.size() * m_factor);
    setMask(enlargedOutline());
    move(topLeft);
    m_stale = m_panel.rect();
    show();
    update();
}

void ScaledPanelView::showFullScreenOn(QScreen &screen)
{
    const QRect area = screen.geometry();
    m_factor = PanelScale::fittingFactor(m_panel.size(), area.size());
    m_fillsScreen = true;
    m_origin = PanelScale::centred(m_panel.size(), m_factor, area.size()).topLeft();
    clearMask();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // On the chosen screen before it fills it: the window manager fills the screen it is on.
    setGeometry(area);
    m_stale = m_panel.rect();
    showFullScreen();
    update();
}

QPoint ScaledPanelView::toPanel(QPoint viewPoint) const
{
    const QPoint p = viewPoint - m_origin;
    return {floorDiv(p.x(), m_factor), floorDiv(p.y(), m_factor)};
}

QRect ScaledPanelView::toView(const QRect &panelRect) const
{
    return {m_origin + panelRect.topLeft() * m_factor, panelRect.size() * m_factor};
}

QRect ScaledPanelView::panelArea() const
{
    return toView(m_panel.rect());
}

// The panel's rounded outline, enlarged.
QRegion ScaledPanelView::enlargedOutline() const
{
    const QRegion outline = m_panel.mask().isEmpty() ? QRegion(m_panel.rect()) : m_panel.mask();
    return enlargedRegion(outline, m_factor, m_origin);
}

void ScaledPanelView::refreshFace()
{
    m_copying = true;
    for (const QRect &r : m_stale)
        m_panel.render(&m_face, r.topLeft(), QRegion(r));
    m_copying = false;
    m_stale = QRegion();
}

void ScaledPanelView::paintEvent(QPaintEvent *event)
{
    refreshFace();
    QPainter painter(this);
    const QRegion face = enlargedOutline().intersected(event->region());
    for (const QRect &r : event->region().subtracted(face))
        painter.fillRect(r, Qt::black);
    painter.setClipRegion(face);
    for (const QRect &r : face) {
        const QPoint first = toPanel(r.topLeft());
        const QPoint last = toPanel(r.bottomRight());
        const QRect onPanel = QRect(first, last).intersected(m_panel.rect());
        if (!onPanel.isEmpty())
            painter.drawImage(toView(onPanel).topLeft(), base::magnified(m_face, onPanel, m_factor));
    }
}

bool ScaledPanelView::acceptsInput() const
{
    return m_panel.isEnabled();
}

void ScaledPanelView::mousePressEvent(QMouseEvent *event)
{
    if (!acceptsInput() || m_fillsScreen)
        return;
    m_drag.press(*event);
}

void ScaledPanelView::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(*event);
}

void ScaledPanelView::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release(*event);
}

// The double-click goes to the panel's control under the pointer (a fare cell opens its
// settings); on the panel's face it is a press like any other.
void ScaledPanelView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!acceptsInput())
        return;
    const QPoint onPanel = toPanel(event->position().toPoint());
    if (QWidget *control = m_panel.childAt(onPanel)) {
        QMouseEvent forwarded(QEvent::MouseButtonDblClick, control->mapFrom(&m_panel, onPanel),
                              event->globalPosition(), event->button(), event->buttons(), event->modifiers());
        QCoreApplication::sendEvent(control, &forwarded);
        if (forwarded.isAccepted())
            return;
    }
    mousePressEvent(event);
}

void ScaledPanelView::contextMenuEvent(QContextMenuEvent *event)
{
    if (acceptsInput())
        emit menuRequested(event->globalPos());
}

void ScaledPanelView::keyPressEvent(QKeyEvent *event)
{
    if (m_fillsScreen && event->key() == Qt::Key_Escape) {
        emit leaveFullScreenRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScaledPanelView::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_fillsScreen && !isFullScreen())
        emit movedTo(frameGeometry().topLeft());
}

} // namespace app
