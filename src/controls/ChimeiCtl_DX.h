#pragma once

#include "controls/ChimeiProperties.h"
#include "controls/ChimeiScroll.h"
#include "controls/ChimeiStrip.h"
#include "controls/ChimeiX11Stage.h"

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <memory>

class QPainter;

namespace controls {

class PropertyBag;
class ScrollClock;

// The dot-matrix stop-name display of the panel: a dark stage on which the next stop's name
// is shown in lit dots, optionally after "次は". Names that fit stand still; longer ones scroll
// in from the right, pass by completely, pause and come in again, until the next name is set.
//
// The scroll runs on a frame timer, so SetChimei returns at once. The scroll clock makes one
// step per millisecond, but most steps move the strip by a fraction of a pixel: the timer is set
// for the moment the drawn strip next moves, and comes at most once per display frame. The laid-
// out strip is kept as a pixmap, and a move repaints only the inside of the stage; under X11 the
// X server draws the moves itself (ChimeiX11Stage).
class ChimeiCtl_DX : public QWidget
{
    Q_OBJECT

public:
    static constexpr int StageWidth = ChimeiLayout::StageWidth;
    static constexpr int StageHeight = 58; // the control shows the top 56 rows
    static constexpr int ControlHeight = 56;
    // The shortest time between two frames of the scroll.
    static constexpr int FrameIntervalMs = 16;

    // A newly placed display with the default properties.
    explicit ChimeiCtl_DX(QWidget *parent = nullptr, ScrollClock *clock = nullptr);
    // A display restored from its host's designer data.
    explicit ChimeiCtl_DX(const PropertyBag &designerData, QWidget *parent = nullptr,
                          ScrollClock *clock = nullptr);
    ~ChimeiCtl_DX() override;

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    base::OleColor BackColor() const { return m_properties.BackColor; }
    void setBackColor(base::OleColor New_BackColor);
    base::OleColor ForeColor() const { return m_properties.ForeColor; }
    void setForeColor(base::OleColor New_ForeColor);
    int16_t Speed() const { return m_properties.Speed; }
    void setSpeed(int16_t New_Speed);
    int32_t ScrollStartWait() const { return m_properties.ScrollStartWait; }
    void setScrollStartWait(int32_t New_ScrollStartWait);
    int16_t Mode() const { return m_properties.Mode; }
    void setMode(int16_t New_Mode);
    int16_t Appearance() const { return m_properties.Appearance; }
    void setAppearance(int16_t New_Appearance);
    int16_t FontMode() const { return m_properties.FontMode; }
    void setFontMode(int16_t New_FontMode);
    bool FontBold() const { return m_properties.FontBold; }
    void setFontBold(bool New_FontBold);
    int16_t TsugiwaMode() const { return m_properties.TsugiwaMode; }
    void setTsugiwaMode(int16_t New_TsugiwaMode);
    base::OleColor TsugiwaColor() const { return m_properties.TsugiwaColor; }
    void setTsugiwaColor(base::OleColor New_TsugiwaColor);
    int16_t TsugiwaFontMode() const { return m_properties.TsugiwaFontMode; }
    void setTsugiwaFontMode(int16_t New_TsugiwaFontMode);
    bool TsugiwaBold() const { return m_properties.TsugiwaBold; }
    void setTsugiwaBold(bool New_TsugiwaBold);

    // Shows the stop name `strText`. A non-empty name ends a running scroll; a long one starts a
    // new scroll. The empty name blanks the display and leaves a running scroll going.
    void SetChimei(const QString &strText);
    void DrawDot54(int32_t X, int32_t Y, QString &strText);
    void DrawTsugiwa();
    void Refresh();

    // Makes the scroll steps that the clock says are due and sets the frame timer for the next
    // move; the frame timer calls it, and hosts or tests that drive the clock themselves may
    // call it too.
    void advanceScroll();
    // The display's window is shown enlarged by `factor` in `view`, the display's top left corner
    // at `origin` there: the scroll's moves are drawn there. A null view: in its own window.
    void showMagnifiedIn(QWidget *view, QPoint origin, int factor);

    // The clock time the frame timer is set for while a scroll runs.
    int64_t nextFrameMs() const { return m_nextFrameMs; }
    // Moves of the scroll drawn so far; for measurements.
    int64_t movesDrawn() const { return m_movesDrawn; }

    // The name shown, as a screen reader reads it: "次は" first when the prefix is drawn.
    const QString &shownName() const { return m_shownName; }
    bool isScrolling() const { return m_scroll.isRunning(); }
    const QImage &stripImage() const { return m_strip.image(); }
    int stripLeft() const { return m_stripLeft; }
    // What the display shows, control-sized.
    QImage stageImage() const;

    QSize sizeHint() const override { return {StageWidth, ControlHeight}; }

signals:
    // Reported by every property setter with the property's name.
    void propertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUp();
    ChimeiStrip &editStrip();
    void startScroll();
    void stopScroll();
    ChimeiScroll::Step scrollStep() const;
    void scheduleFrame(int64_t nowMs);
    void drawMove();
    void useX11Stage();
    void replanScroll();
    int borderWidth() const;
    QRect stageInside() const;
    const QPixmap &stripPixmap() const;
    void renderStage(QPainter &painter, const QRect &area) const;
    void drawBorder(QPainter &painter) const;

    ScrollClock &m_clock;
    ChimeiProperties m_properties;
    ChimeiStrip m_strip;
    // The strip as drawn on screen; made again from the strip's picture at the first paint after
    // the picture changed.
    mutable QPixmap m_stripPixmap;
    ChimeiScroll m_scroll;
    int m_stripLeft = 0;
    int64_t m_lastFrameMs = 0;
    int64_t m_nextFrameMs = 0;
    int64_t m_movesDrawn = 0;
    QTimer m_frameTimer;
    QString m_shownName;
    std::unique_ptr<ChimeiX11Stage> m_x11; // null: moves are repainted through Qt
    ChimeiX11Stage::Magnification m_seenIn;
    bool m_x11Tried = false;
};

} // namespace controls
