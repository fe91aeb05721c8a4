#include "controls/M_Degit.h"

#include "controls/DegitAccessible.h"
#include "controls/DegitFonts.h"
#include "controls/DegitText.h"
#include "controls/PropertyBag.h"
#include "reslib/KBP4Res.h"

#include <QCache>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace controls {
namespace {

// Cell sizes and font sizes of the four size classes. Our digit fonts advance half an em, so each
// class is drawn at the pixel size that gives its cell width (the unit's point sizes were 18, 24,
// 27 and 14 pt).
struct SizeClass
{
    int cellWidth;
    int cellHeight;
    int fontPixels;
};

constexpr SizeClass SizeClasses[4] = {
    {13, 20, 26},
    {17, 26, 34},
    {19, 29, 38},
    {11, 15, 22},
};

const SizeClass &sizeClass(int16_t degitSize)
{
    return (degitSize >= 1 && degitSize <= 3) ? SizeClasses[degitSize] : SizeClasses[0];
}

// The surface the unit starts with: four cells of class 0, 780 x 300 twips.
constexpr QSize InitialSurface(52, 20);

// Defaults of the persisted property set.
constexpr M_Degit::OleColor DefaultBaseForeColor = 9868950;
constexpr M_Degit::OleColor DefaultDegitForeColor = 7525112;
constexpr M_Degit::OleColor DefaultBackColor = 8421504;

QVariant toVariant(const DegitValue &v)
{
    return v.isText() ? QVariant(v.toString()) : QVariant(v.toNumber());
}

DegitValue fromVariant(const QVariant &v)
{
    if (v.typeId() == QMetaType::QString)
        return DegitValue(v.toString());
    return DegitValue(v.toDouble());
}

// Room for the pictures of a few hundred cells of the largest kind.
constexpr qsizetype PictureCacheBytes = qsizetype(4) << 20;

// The bounding rectangle of the pixels in which two pictures differ; all of `after` when the
// sizes differ.
QRect changedArea(const QImage &before, const QImage &after)
{
    if (before.size() != after.size() || before.format() != after.format() || before.depth() != 32)
        return after.rect();
    const int width = after.width();
    const int height = after.height();
    int top = height, bottom = -1, left = width, right = -1;
    for (int y = 0; y < height; ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(before.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(after.constScanLine(y));
        if (std::equal(a, a + width, b))
            continue;
        top = std::min(top, y);
        bottom = y;
        for (int x = 0; x < width; ++x) {
            if (a[x] != b[x]) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The text's top edge sits one pixel above the surface.
qreal textBaseline(const QFontMetricsF &metrics)
{
    return -1 + metrics.ascent();
}

} // namespace

M_Degit::M_Degit(QWidget *parent) : QWidget(parent)
{
    Initialize();
    InitProperties();
}

M_Degit::M_Degit(const PropertyBag &designerData, QWidget *parent) : QWidget(parent)
{
    Initialize();
    ReadProperties(designerData);
}

void M_Degit::Initialize()
{
    DegitAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface = QImage(InitialSurface, QImage::Format_RGB32);
    m_surface.fill(base::toQColor(m_BackColor));
    resize(InitialSurface);
    // The unit's extra character spacing and thin font belonged to the oldest systems; every
    // system this runs on takes the bold face without spacing.
    m_CharExtra = 0;
    m_UseBoldFont = true;
    DrawDegit(DegitValue(QStringLiteral("0")), m_BaseForeColor, m_DegitForeColor);
}

void M_Degit::InitProperties()
{
    m_BaseForeColor = DefaultBaseForeColor;
    m_DegitForeColor = DefaultDegitForeColor;
    m_FillZero = 0;
    m_ZeroMode = 0;
    m_Shift = 0;
    m_Keta = 4;
    m_DegitSize = 0;
    m_DegitStyle = 0;
    m_Value = DegitValue(0);
    m_UserSet = true;
}

void M_Degit::ReadProperties(const PropertyBag &bag)
{
    // Stored values are taken as they are, without range checks; nothing is drawn.
    m_BaseForeColor = bag.ReadProperty(QStringLiteral("BaseForeColor"), DefaultBaseForeColor).toUInt();
    m_DegitForeColor = bag.ReadProperty(QStringLiteral("DegitForeColor"), DefaultDegitForeColor).toUInt();
    m_FillZero = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("FillZero"), 0).toInt());
    m_ZeroMode = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("ZeroMode"), 0).toInt());
    m_Shift = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("Shift"), 0).toInt());
    m_Keta = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("Keta"), 4).toInt());
    m_DegitSize = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("DegitSize"), 0).toInt());
    m_DegitStyle = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("DegitStyle"), 0).toInt());
    m_Value = fromVariant(bag.ReadProperty(QStringLiteral("Value"), 0.0));
    m_UserSet = bag.ReadProperty(QStringLiteral("UserSet"), true).toBool();
    m_BackColor = bag.ReadProperty(QStringLiteral("BackColor"), DefaultBackColor).toUInt();
    m_surface.fill(base::toQColor(m_BackColor));
    m_drawn.reset();
    m_surfaceUnshown = true;
}

void M_Degit::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("BaseForeColor"), m_BaseForeColor, DefaultBaseForeColor);
    bag.WriteProperty(QStringLiteral("DegitForeColor"), m_DegitForeColor, DefaultDegitForeColor);
    bag.WriteProperty(QStringLiteral("FillZero"), int(m_FillZero), 0);
    bag.WriteProperty(QStringLiteral("ZeroMode"), int(m_ZeroMode), 0);
    bag.WriteProperty(QStringLiteral("Shift"), int(m_Shift), 0);
    bag.WriteProperty(QStringLiteral("Keta"), int(m_Keta), 4);
    bag.WriteProperty(QStringLiteral("DegitSize"), int(m_DegitSize), 0);
    bag.WriteProperty(QStringLiteral("DegitStyle"), int(m_DegitStyle), 0);
    bag.WriteProperty(QStringLiteral("Value"), toVariant(m_Value), 0.0);
    bag.WriteProperty(QStringLiteral("UserSet"), m_UserSet, true);
    bag.WriteProperty(QStringLiteral("BackColor"), m_BackColor, DefaultBackColor);
}

void M_Degit::changed(const char *name)
{
    emit propertyChanged(QString::fromLatin1(name));
}

void M_Degit::setBaseForeColor(OleColor New_BaseForeColor)
{
    m_BaseForeColor = New_BaseForeColor;
    changed("BaseForeColor");
    redraw();
}

void M_Degit::setDegitForeColor(OleColor New_DegitForeColor)
{
    m_DegitForeColor = New_DegitForeColor;
    changed("DegitForeColor");
    redraw();
}

void M_Degit::setFillZero(int16_t New_FillZero)
{
    m_FillZero = New_FillZero > m_Keta ? m_Keta : New_FillZero;
    changed("FillZero");
}

void M_Degit::setZeroMode(int16_t New_ZeroMode)
{
    m_ZeroMode = New_ZeroMode < 4 ? New_ZeroMode : 0;
    changed("ZeroMode");
}

void M_Degit::setShift(int16_t New_Shift)
{
    int shift = New_Shift;
    if (shift > m_Keta - 1)
        shift = m_Keta - 1;
    if (shift < 0)
        shift = 0;
    m_Shift = static_cast<int16_t>(shift);
    changed("Shift");
}

void M_Degit::setKeta(int16_t New_Keta)
{
    m_Keta = (New_Keta < 1 || New_Keta > 15) ? 4 : New_Keta;
    changed("Keta");
    resizeSurface();
    redraw();
}

void M_Degit::setDegitSize(int16_t New_DegitSize)
{
    m_DegitSize = (New_DegitSize >= 1 && New_DegitSize <= 3) ? New_DegitSize : 0;
    changed("DegitSize");
    resizeSurface();
    redraw();
}

void M_Degit::setDegitStyle(int16_t New_DegitStyle)
{
    m_DegitStyle = New_DegitStyle;
    changed("DegitStyle");
    redraw();
}

void M_Degit::setValue(const DegitValue &New_Value)
{
    m_Value = New_Value;
    changed("Value");
    redraw();
}

void M_Degit::setUserSet(bool New_UserSet)
{
    m_UserSet = New_UserSet;
    changed("UserSet");
}

void M_Degit::setBackColor(OleColor New_BackColor)
{
    m_BackColor = New_BackColor;
    changed("BackColor");
    redraw();
}

QSize M_Degit::cellSize(int16_t degitSize)
{
    const SizeClass &c = sizeClass(degitSize);
    return QSize(c.cellWidth, c.cellHeight);
}

QFont M_Degit::digitFont(int16_t degitStyle, int16_t degitSize, bool bold)
{
    QFont font(DegitFonts::family(degitStyle));
    font.setPixelSize(sizeClass(degitSize).fontPixels);
    font.setBold(bold);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

void M_Degit::resizeSurface()
{
    const SizeClass &c = sizeClass(m_DegitSize);
    const QSize size(c.cellWidth * m_Keta, c.cellHeight);
    m_surface = QImage(size, QImage::Format_RGB32);
    m_surface.fill(base::toQColor(m_BackColor));
    m_drawn.reset();
    m_surfaceUnshown = true;
    resize(size);
}

void M_Degit::redraw()
{
    DrawDegit(m_Value, m_BaseForeColor, m_DegitForeColor);
}

void M_Degit::DrawDegit(const DegitValue &value, OleColor unlit, OleColor lit)
{
    // A negative cell count from stored settings draws no cells at all.
    const int cells = m_Keta > 0 ? m_Keta : 0;
    const UnlitRow row{cells, unlit, m_BackColor, m_DegitStyle, m_DegitSize, m_UseBoldFont, m_CharExtra,
                       m_surface.size()};
    const Picture picture{row, composeDegitText(value, m_ZeroMode, m_FillZero, m_Shift).right(cells), lit};
    if (m_drawn == picture)
        return;
    const QImage before = m_surface;
    m_surface = pictureOf(picture);
    m_drawn = picture;
    // Only the pixels that changed are shown again: a fare that keeps some of its digits
    // repaints the others, and the number label above the cell is left alone.
    update(m_surfaceUnshown ? rect() : changedArea(before, m_surface));
    m_surfaceUnshown = false;
    DegitAccessible::shownTextChanged(this, m_shownText, picture.shown.trimmed());
}

// Pictures are shared by all cells: a fare drawn before, in any cell, is copied instead of laid
// out and drawn again. Only the interface thread draws cells.
QImage M_Degit::pictureOf(const Picture &picture)
{
    static QCache<Picture, QImage> drawn(PictureCacheBytes);
    if (const QImage *known = drawn.object(picture))
        return *known;
    // Clearing the surface and drawing the "8"s in the unlit colour gives the same pixels every
    // time; they are drawn once and copied.
    QImage image = unlitRow(picture.row).copy();
    QPainter painter(&image);
    painter.setFont(m_font);
    const QFontMetricsF metrics(m_font, &image);
    const int width = static_cast<int>(std::lround(metrics.horizontalAdvance(picture.shown)));
    painter.setPen(base::toQColor(picture.lit));
    painter.drawText(QPointF(image.width() - width, textBaseline(metrics)), picture.shown);
    painter.end();
    drawn.insert(picture, new QImage(image), static_cast<qsizetype>(image.sizeInBytes()));
    return image;
}

const QImage &M_Degit::unlitRow(const UnlitRow &row)
{
    if (m_rowDrawn == row)
        return m_row;
    m_font = digitFont(row.style, row.size, row.bold);
    if (row.charExtra != 0)
        m_font.setLetterSpacing(QFont::AbsoluteSpacing, row.charExtra);
    m_row = QImage(row.surface, QImage::Format_RGB32);
    m_row.fill(base::toQColor(row.back));
    QPainter painter(&m_row);
    painter.setFont(m_font);
    painter.setPen(base::toQColor(row.unlit));
    painter.drawText(QPointF(0, textBaseline(QFontMetricsF(m_font, &m_row))), QString(row.cells, u'8'));
    painter.end();
    m_rowDrawn = row;
    return m_row;
}

int32_t M_Degit::ShowSetDlg()
{
    int16_t fillZero = m_FillZero;
    int16_t shift = m_Shift;
    int16_t zeroMode = m_ZeroMode;
    const int32_t result = reslib::Call_dlg100(hwnd(), m_Keta, zeroMode, shift, fillZero);
    // Whatever the dialog left is taken as it is; a cancelled dialog leaves the values it was
    // given.
    m_Shift = shift;
    m_FillZero = fillZero;
    m_ZeroMode = zeroMode;
    redraw();
    return result;
}

void M_Degit::ResetDegit(int16_t nMode)
{
    const int16_t shift = m_Shift;
    const int16_t zeroMode = m_ZeroMode;
    const int16_t fillZero = m_FillZero;
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    if (nMode == -1)
        setValue(DegitValue(QString(m_Keta > 0 ? m_Keta : 0, u'8')));
    else
        setValue(DegitValue(QString()));
    setShift(shift);
    setZeroMode(zeroMode);
    setFillZero(fillZero);
}

void M_Degit::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect onSurface = area.intersected(m_surface.rect());
    if (onSurface != area) {
        for (const QRect &beyond : QRegion(area).subtracted(onSurface))
            painter.fillRect(beyond, base::toQColor(m_BackColor));
    }
    painter.drawImage(onSurface.topLeft(), m_surface, onSurface);
}

void M_Degit::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}

} // namespace controls
