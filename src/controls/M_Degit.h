#pragma once

#include "controls/DegitValue.h"
#include "base/OleColor.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace controls {

class PropertyBag;

// A row of seven-segment digit cells whose unlit segments stay faintly visible: one "8" per cell
// in the unlit colour and, over it, the value right-aligned in the lit colour.
//
// Like the unit it imitates, the control keeps its picture in a persistent surface that changes
// only when DrawDegit runs; painting just shows that surface. A redraw that would put the same
// picture on the surface again (the same text in the same colours, font and size, as when a
// data step leaves a fare unchanged) does nothing.
class M_Degit : public QWidget
{
    Q_OBJECT

public:
    using OleColor = base::OleColor;

    // A newly placed control: the defaults of every property.
    explicit M_Degit(QWidget *parent = nullptr);
    // A control read back from its host's designer data.
    explicit M_Degit(const PropertyBag &designerData, QWidget *parent = nullptr);

    OleColor BaseForeColor() const { return m_BaseForeColor; }
    void setBaseForeColor(OleColor New_BaseForeColor);
    OleColor DegitForeColor() const { return m_DegitForeColor; }
    void setDegitForeColor(OleColor New_DegitForeColor);
    int16_t FillZero() const { return m_FillZero; }
    void setFillZero(int16_t New_FillZero);
    int16_t ZeroMode() const { return m_ZeroMode; }
    void setZeroMode(int16_t New_ZeroMode);
    int16_t Shift() const { return m_Shift; }
    void setShift(int16_t New_Shift);
    int16_t Keta() const { return m_Keta; }
    void setKeta(int16_t New_Keta);
    int16_t DegitSize() const { return m_DegitSize; }
    void setDegitSize(int16_t New_DegitSize);
    int16_t DegitStyle() const { return m_DegitStyle; }
    void setDegitStyle(int16_t New_DegitStyle);
    const DegitValue &Value() const { return m_Value; }
    void setValue(const DegitValue &New_Value);
    bool UserSet() const { return m_UserSet; }
    void setUserSet(bool New_UserSet);
    OleColor BackColor() const { return m_BackColor; }
    void setBackColor(OleColor New_BackColor);
    QWidget *hwnd() { return this; }

    int32_t CharExtra() const { return m_CharExtra; }
    bool UseBoldFont() const { return m_UseBoldFont; }

    // Opens the digit settings dialog; 1 means the user confirmed.
    int32_t ShowSetDlg();
    // -1 (true) lights every segment of every cell; any other value blanks the display.
    void ResetDegit(int16_t nMode);

    void WriteProperties(PropertyBag &bag) const;

    // The persistent picture, as the next paint will show it.
    const QImage &surface() const { return m_surface; }
    // The digits the cell lights, as a screen reader reads them ("" when blank).
    const QString &shownText() const { return m_shownText; }

    // The face and size that DrawDegit uses for a style and a size class.
    static QFont digitFont(int16_t degitStyle, int16_t degitSize, bool bold);
    // Cell size in pixels of a size class (any value other than 1 to 3 is class 0).
    static QSize cellSize(int16_t degitSize);

signals:
    void DblClick();
    void propertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void Initialize();
    void InitProperties();
    void ReadProperties(const PropertyBag &bag);
    // The row of unlit "8"s on the background, and what it depends on.
    struct UnlitRow
    {
        int cells = 0;
        OleColor unlit = 0;
        OleColor back = 0;
        int16_t style = 0;
        int16_t size = 0;
        bool bold = false;
        int32_t charExtra = 0;
        QSize surface;
        bool operator==(const UnlitRow &) const = default;
    };
    // Everything the picture on the surface depends on.
    struct Picture
    {
        UnlitRow row;
        QString shown;
        OleColor lit = 0;
        bool operator==(const Picture &) const = default;
        friend size_t qHash(const Picture &p, size_t seed = 0)
        {
            const auto &r = p.row;
            return qHashMulti(seed, r.cells, r.unlit, r.back, r.style, r.size, r.bold, r.charExtra,
                              r.surface.width(), r.surface.height(), p.shown, p.lit);
        }
    };

    void DrawDegit(const DegitValue &value, OleColor unlit, OleColor lit);
    const QImage &unlitRow(const UnlitRow &row);
    QImage pictureOf(const Picture &picture);
    void redraw();
    void resizeSurface();
    void changed(const char *name);

    OleColor m_BaseForeColor = 0;
    OleColor m_DegitForeColor = 0;
    int16_t m_FillZero = 0;
    int16_t m_ZeroMode = 0;
    int16_t m_Shift = 0;
    int16_t m_Keta = 0;
    int16_t m_DegitSize = 0;
    int16_t m_DegitStyle = 0;
    DegitValue m_Value;
    bool m_UserSet = false;
    int32_t m_CharExtra = 0;
    bool m_UseBoldFont = false;
    OleColor m_BackColor = 0x808080;
    QImage m_surface;
    QString m_shownText;
    std::optional<Picture> m_drawn; // what the surface shows; none after it was cleared
    // The surface changed without being shown (new properties, new size): the next picture is
    // shown whole, not only where it differs from the surface.
    bool m_surfaceUnshown = true;
    // The font and the unlit row of the last drawing, kept for the next one: a data step
    // changes only the lit digits.
    QFont m_font;
    std::optional<UnlitRow> m_rowDrawn;
    QImage m_row;
};

} // namespace controls
