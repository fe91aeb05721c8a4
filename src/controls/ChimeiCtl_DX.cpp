#include "controls/ChimeiCtl_DX.h"

#include "controls/ChimeiAccessible.h"
#include "controls/PropertyBag.h"
#include "controls/ScrollClock.h"

#include <QPaintEvent>
#include <QWindow>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <limits>

namespace controls {
namespace {

using base::OleColor;

const ChimeiProperties Defaults;

int64_t readNumber(const PropertyBag &bag, const QString &name, int64_t fallback)
{
    bool ok = false;
    const int64_t value = bag.ReadProperty(name, QVariant::fromValue<qlonglong>(fallback)).toLongLong(&ok);
    return ok ? value : fallback;
}

int16_t readInt16(const PropertyBag &bag, const QString &name, int16_t fallback)
{
    const int64_t v = readNumber(bag, name, fallback);
    return static_cast<int16_t>(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

int32_t readInt32(const PropertyBag &bag, const QString &name, int32_t fallback)
{
    const int64_t v = readNumber(bag, name, fallback);
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

OleColor readColour(const PropertyBag &bag, const QString &name, OleColor fallback)
{
    // Colours are stored as signed 32-bit values; both signs read back to the same bits.
    return static_cast<OleColor>(readNumber(bag, name, static_cast<int32_t>(fallback)));
}

bool readBool(const PropertyBag &bag, const QString &name, bool fallback)
{
    return bag.ReadProperty(name, fallback).toBool();
}

void writeColour(PropertyBag &bag, const QString &name, OleColor value, OleColor fallback)
{
    bag.WriteProperty(name, static_cast<int32_t>(value), static_cast<int32_t>(fallback));
}

// Classic sunken client edge: shadow and dark shadow above and left, highlight and light below
// and right.
const QColor EdgeShadow(128, 128, 128);
const QColor EdgeDarkShadow(64, 64, 64);
const QColor EdgeHighlight(255, 255, 255);
const QColor EdgeLight(212, 208, 200);
const QColor FlatFrame(0, 0, 0);

} // namespace

ChimeiCtl_DX::ChimeiCtl_DX(QWidget *parent, ScrollClock *clock)
    : QWidget(parent), m_clock(clock ? *clock : ScrollClock::monotonic()), m_strip(m_properties)
{
    setUp();
    // A new instance starts from the defaults, which are also the surfaces' own colours.
}

ChimeiCtl_DX::ChimeiCtl_DX(const PropertyBag &designerData, QWidget *parent, ScrollClock *clock)
    : QWidget(parent), m_clock(clock ? *clock : ScrollClock::monotonic()), m_strip(m_properties)
{
    setUp();
    ReadProperties(designerData);
}

ChimeiCtl_DX::~ChimeiCtl_DX() = default;

void ChimeiCtl_DX::setUp()
{
    ChimeiAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(StageWidth, ControlHeight);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, &ChimeiCtl_DX::advanceScroll);
}

void ChimeiCtl_DX::ReadProperties(const PropertyBag &bag)
{
    ChimeiProperties &p = m_properties;
    p.BackColor = readColour(bag, QStringLiteral("BackColor"), Defaults.BackColor);
    p.ForeColor = readColour(bag, QStringLiteral("ForeColor"), Defaults.ForeColor);
    p.Speed = readInt16(bag, QStringLiteral("Speed"), Defaults.Speed);
    p.ScrollStartWait = readInt32(bag, QStringLiteral("ScrollStartWait"), Defaults.ScrollStartWait);
    p.Mode = readInt16(bag, QStringLiteral("Mode"), Defaults.Mode);
    const int16_t appearance = readInt16(bag, QStringLiteral("Appearance"), Defaults.Appearance);
    // The stage knows only flat and three-dimensional; anything else leaves it as designed.
    if (appearance == 0 || appearance == 1)
        p.Appearance = appearance;
    p.FontMode = readInt16(bag, QStringLiteral("FontMode"), Defaults.FontMode);
    p.FontBold = readBool(bag, QStringLiteral("FontBold"), Defaults.FontBold);
    p.TsugiwaMode = readInt16(bag, QStringLiteral("TsugiwaMode"), Defaults.TsugiwaMode);
    p.TsugiwaColor = readColour(bag, QStringLiteral("TsugiwaColor"), Defaults.TsugiwaColor);
    p.TsugiwaFontMode = readInt16(bag, QStringLiteral("TsugiwaFontMode"), Defaults.TsugiwaFontMode);
    p.TsugiwaBold = readBool(bag, QStringLiteral("TsugiwaBold"), Defaults.TsugiwaBold);
    editStrip().Cls();
    update();
}

void ChimeiCtl_DX::WriteProperties(PropertyBag &bag) const
{
    const ChimeiProperties &p = m_properties;
    writeColour(bag, QStringLiteral("BackColor"), p.BackColor, Defaults.BackColor);
    writeColour(bag, QStringLiteral("ForeColor"), p.ForeColor, Defaults.ForeColor);
    bag.WriteProperty(QStringLiteral("Speed"), int{p.Speed}, int{Defaults.Speed});
    bag.WriteProperty(QStringLiteral("ScrollStartWait"), p.ScrollStartWait, Defaults.ScrollStartWait);
    bag.WriteProperty(QStringLiteral("Mode"), int{p.Mode}, int{Defaults.Mode});
    bag.WriteProperty(QStringLiteral("Appearance"), int{p.Appearance}, int{Defaults.Appearance});
    bag.WriteProperty(QStringLiteral("FontMode"), int{p.FontMode}, int{Defaults.FontMode});
    bag.WriteProperty(QStringLiteral("FontBold"), p.FontBold, Defaults.FontBold);
    bag.WriteProperty(QStringLiteral("TsugiwaMode"), int{p.TsugiwaMode}, int{Defaults.TsugiwaMode});
    writeColour(bag, QStringLiteral("TsugiwaColor"), p.TsugiwaColor, Defaults.TsugiwaColor);
    bag.WriteProperty(QStringLiteral("TsugiwaFontMode"), int{p.TsugiwaFontMode},
                      int{Defaults.TsugiwaFontMode});
    bag.WriteProperty(QStringLiteral("TsugiwaBold"), p.TsugiwaBold, Defaults.TsugiwaBold);
}

void ChimeiCtl_DX::setBackColor(OleColor New_BackColor)
{
    m_properties.BackColor = New_BackColor;
    editStrip().Cls();
    update();
    emit propertyChanged(QStringLiteral("BackColor"));
}

void ChimeiCtl_DX::setForeColor(OleColor New_ForeColor)
{
    m_properties.ForeColor = New_ForeColor;
    emit propertyChanged(QStringLiteral("ForeColor"));
}

void ChimeiCtl_DX::setSpeed(int16_t New_Speed)
{
    m_properties.Speed = New_Speed;
    replanScroll();
    emit propertyChanged(QStringLiteral("Speed"));
}

void ChimeiCtl_DX::setScrollStartWait(int32_t New_ScrollStartWait)
{
    m_properties.ScrollStartWait = New_ScrollStartWait;
    replanScroll();
    emit propertyChanged(QStringLiteral("ScrollStartWait"));
}

void ChimeiCtl_DX::setMode(int16_t New_Mode)
{
    m_properties.Mode = New_Mode;
    emit propertyChanged(QStringLiteral("Mode"));
}

void ChimeiCtl_DX::setAppearance(int16_t New_Appearance)
{
    // Only flat (0) and three-dimensional (1) exist. The stage keeps its designed size; it is
    // never resized to fit a border.
    if (New_Appearance != 0 && New_Appearance != 1)
        return;
    m_properties.Appearance = New_Appearance;
    editStrip().Cls();
    update();
    emit propertyChanged(QStringLiteral("Appearance"));
}

void ChimeiCtl_DX::setFontMode(int16_t New_FontMode)
{
    m_properties.FontMode = New_FontMode;
    emit propertyChanged(QStringLiteral("FontMode"));
}

void ChimeiCtl_DX::setFontBold(bool New_FontBold)
{
    m_properties.FontBold = New_FontBold;
    m_strip.scratch().setFontBold(New_FontBold);
    emit propertyChanged(QStringLiteral("FontBold"));
}

void ChimeiCtl_DX::setTsugiwaMode(int16_t New_TsugiwaMode)
{
    m_properties.TsugiwaMode = (New_TsugiwaMode < 0 || New_TsugiwaMode > 2) ? 0 : New_TsugiwaMode;
    emit propertyChanged(QStringLiteral("TsugiwaMode"));
}

void ChimeiCtl_DX::setTsugiwaColor(OleColor New_TsugiwaColor)
{
    m_properties.TsugiwaColor = New_TsugiwaColor;
    emit propertyChanged(QStringLiteral("TsugiwaColor"));
}

void ChimeiCtl_DX::setTsugiwaFontMode(int16_t New_TsugiwaFontMode)
{
    m_properties.TsugiwaFontMode = New_TsugiwaFontMode;
    emit propertyChanged(QStringLiteral("TsugiwaFontMode"));
}

void ChimeiCtl_DX::setTsugiwaBold(bool New_TsugiwaBold)
{
    m_properties.TsugiwaBold = New_TsugiwaBold;
    emit propertyChanged(QStringLiteral("TsugiwaBold"));
}

void ChimeiCtl_DX::SetChimei(const QString &strText)
{
    ChimeiAccessible::nameSet(this, m_shownName, strText, m_properties.showsTsugiwa());
    editStrip().Cls();
    if (strText.isEmpty()) {
        // The display goes blank; a scroll that is running goes on moving the blank strip.
        update();
        return;
    }
    const ChimeiLayout layout = editStrip().drawName(strText);
    m_stripLeft = layout.stripAtRightEdge ? StageWidth : 0;
    stopScroll();
    if (layout.scrolls)
        startScroll();
    update();
}

void ChimeiCtl_DX::DrawDot54(int32_t X, int32_t Y, QString &strText)
{
    editStrip().DrawDot54(X, Y, strText);
    update();
}

void ChimeiCtl_DX::DrawTsugiwa()
{
    editStrip().DrawTsugiwa();
    update();
}

void ChimeiCtl_DX::Refresh()
{
    update();
}

ChimeiStrip &ChimeiCtl_DX::editStrip()
{
    // Letting go of the pixmap first leaves the strip's picture unshared, so drawing on it
    // copies nothing.
    m_stripPixmap = QPixmap();
    if (m_x11)
        m_x11->stripChanged();
    return m_strip;
}

void ChimeiCtl_DX::startScroll()
{
    if (m_properties.Speed == 0)
        setSpeed(1);
    useX11Stage();
    const int64_t now = m_clock.nowMs();
    m_scroll.start(now);
    m_lastFrameMs = now - FrameIntervalMs;
    // The first step is made at once, as the name is handed over; later ones by the frames.
    advanceScroll();
}

void ChimeiCtl_DX::stopScroll()
{
    m_scroll.stop();
    m_frameTimer.stop();
}

ChimeiScroll::Step ChimeiCtl_DX::scrollStep() const
{
    return {m_properties.Speed, m_properties.ScrollStartWait, m_strip.width()};
}

void ChimeiCtl_DX::advanceScroll()
{
    if (!m_scroll.isRunning())
        return;
    const int64_t now = m_clock.nowMs();
    if (m_scroll.advance(now, scrollStep(), m_stripLeft)) {
        m_lastFrameMs = now;
        drawMove();
    }
    scheduleFrame(now);
}

void ChimeiCtl_DX::drawMove()
{
    ++m_movesDrawn;
    const int b = borderWidth();
    if (!m_x11 || !m_x11->draw(m_strip.image(), QPoint(b + m_stripLeft, b - 1), stageInside(),
                               base::toQColor(m_properties.BackColor).rgb()))
        repaint(stageInside());
}

// Once, with the first scroll that runs while the display is shown (and again after the window
// it is seen in changed).
void ChimeiCtl_DX::useX11Stage()
{
    if (m_x11Tried || !isVisible())
        return;
    m_x11Tried = true;
    m_x11 = ChimeiX11Stage::create(*this, m_seenIn);
    QWidget *seen = m_seenIn.view ? m_seenIn.view->window() : window();
    if (m_x11 && seen->windowHandle())
        seen->windowHandle()->installEventFilter(this);
}

void ChimeiCtl_DX::showMagnifiedIn(QWidget *view, QPoint origin, int factor)
{
    m_seenIn = {view, origin, factor};
    m_x11.reset();
    m_x11Tried = false;
    if (m_scroll.isRunning())
        useX11Stage();
}

// The window's backing store has not seen the moves the X server drew: where the window is
// exposed, the display is painted afresh instead of shown as the backing store last held it.
bool ChimeiCtl_DX::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && m_x11)
        update(stageInside());
    return QWidget::eventFilter(watched, event);
}

// The next frame comes when the drawn strip next moves, but not sooner than a frame after the
// last one: at high speeds the strip moves by several pixels per frame, as it always has.
void ChimeiCtl_DX::scheduleFrame(int64_t nowMs)
{
    m_nextFrameMs = std::max(m_scroll.nextMoveMs(), m_lastFrameMs + FrameIntervalMs);
    const int64_t delay = std::clamp<int64_t>(m_nextFrameMs - nowMs, 0, ChimeiScroll::LookAheadMs);
    m_frameTimer.start(static_cast<int>(delay));
}

// A new Speed or pause changes when the strip next moves.
void ChimeiCtl_DX::replanScroll()
{
    if (!m_scroll.isRunning())
        return;
    m_scroll.replan(scrollStep(), m_stripLeft);
    scheduleFrame(m_clock.nowMs());
}

QImage ChimeiCtl_DX::stageImage() const
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    renderStage(painter, image.rect());
    return image;
}

void ChimeiCtl_DX::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    renderStage(painter, event->rect());
}

int ChimeiCtl_DX::borderWidth() const
{
    return m_properties.Appearance == 0 ? 1 : 2;
}

// Where the strip can be seen: the stage inside its border, as far as the control shows it.
QRect ChimeiCtl_DX::stageInside() const
{
    const int b = borderWidth();
    return QRect(0, 0, StageWidth, StageHeight).adjusted(b, b, -b, -b).intersected(rect());
}

const QPixmap &ChimeiCtl_DX::stripPixmap() const
{
    if (m_stripPixmap.isNull())
        m_stripPixmap = QPixmap::fromImage(m_strip.image());
    return m_stripPixmap;
}

// Draws what lies in `area` of the control. A move of the scroll repaints only the inside of
// the stage, mostly covered by the strip: the background and the border are drawn only where
// the area needs them.
void ChimeiCtl_DX::renderStage(QPainter &painter, const QRect &area) const
{
    // The strip hangs one pixel above the top of the stage's inside; only the part of it that
    // lies inside the border is copied.
    const int b = borderWidth();
    const QRect stripOnStage(b + m_stripLeft, b - 1, m_strip.width(), ChimeiStrip::Height);
    const QRect visible = stripOnStage.intersected(stageInside()).intersected(area);
    if (visible != area) {
        const QColor back = base::toQColor(m_properties.BackColor);
        for (const QRect &uncovered : QRegion(area).subtracted(visible))
            painter.fillRect(uncovered, back);
    }
    if (!visible.isEmpty())
        painter.drawPixmap(visible, stripPixmap(), visible.translated(-stripOnStage.topLeft()));
    if (!stageInside().contains(area))
        drawBorder(painter);
}

void ChimeiCtl_DX::drawBorder(QPainter &painter) const
{
    const QRect stage(0, 0, StageWidth, StageHeight);
    if (m_properties.Appearance == 0) {
        painter.setPen(FlatFrame);
        painter.drawRect(stage.adjusted(0, 0, -1, -1));
        return;
    }
    const auto edge = [&painter](const QRect &r, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.left(), r.bottom() - 1, r.left(), r.top());
        painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter.setPen(bottomRight);
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right(), r.bottom(), r.right(), r.top());
    };
    edge(stage, EdgeShadow, EdgeHighlight);
    edge(stage.adjusted(1, 1, -1, -1), EdgeDarkShadow, EdgeLight);
}

} // namespace controls
