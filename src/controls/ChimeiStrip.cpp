#include "controls/ChimeiStrip.h"

#include "base/Cp932.h"
#include "base/FaceNames.h"
#include "reslib/KBP4Res.h"

#include <algorithm>
#include <utility>
#include <array>

namespace controls {
namespace {

using base::FaceNames;

struct Replacement
{
    char16_t unit;
    char16_t drawnAs;
};

// Characters the unit's display has no good glyph for, drawn as a look-alike.
constexpr std::array<Replacement, 4> Replacements{{
    {u'丨', u'ー'},
    {u'｜', u'－'},
    {u'↓', u'→'},
    {u'↑', u'←'},
}};

void substitute(QString &unit)
{
    if (unit.size() != 1)
        return;
    for (const Replacement &r : Replacements) {
        if (unit.at(0) == QChar(r.unit)) {
            unit = QString(QChar(r.drawnAs));
            return;
        }
    }
}

// The code-page code of the first character: the byte value, or lead x 256 + trail.
struct CharCode
{
    uint16_t code = 0;
    bool doubleByte = false;
};

CharCode firstCharCode(const QString &unit)
{
    const qsizetype length = unit.at(0).isHighSurrogate() && unit.size() > 1 ? 2 : 1;
    const QByteArray bytes = base::Cp932::fromUnicode(unit.left(length));
    CharCode c;
    if (bytes.size() >= 2) {
        c.code = static_cast<uint16_t>((static_cast<uint8_t>(bytes[0]) << 8) | static_cast<uint8_t>(bytes[1]));
        c.doubleByte = true;
    } else if (!bytes.isEmpty()) {
        c.code = static_cast<uint8_t>(bytes[0]);
    }
    return c;
}

constexpr uint16_t FirstKanji = 0x889F;
constexpr uint16_t FirstFullWidthDigit = 0x824F; // "０"
constexpr uint16_t LastFullWidthLetter = 0x829A; // "ｚ"

// True when the unit is drawn in the gothic face, false for mincho.
bool gothicFor(int16_t fontMode, CharCode c)
{
    const bool symbolOrKana = c.doubleByte && c.code < FirstKanji;
    switch (fontMode) {
    case 1:
        return false;
    case 2:
        return !symbolOrKana;
    case 3:
        return symbolOrKana;
    case 4:
        return c.doubleByte && c.code >= FirstFullWidthDigit && c.code <= LastFullWidthLetter;
    default:
        return true;
    }
}

} // namespace

ChimeiStrip::ChimeiStrip(const ChimeiProperties &properties)
    : m_properties(properties),
      m_image(ChimeiLayout::StageWidth, Height, QImage::Format_RGB32)
{
    Cls();
}

void ChimeiStrip::Cls()
{
    m_image.fill(base::toQColor(m_properties.BackColor));
}

void ChimeiStrip::setWidth(int width)
{
    width = std::clamp(width, 1, static_cast<int>(ChimeiLayout::MaxStripWidth));
    if (width != m_image.width())
        m_image = QImage(width, Height, QImage::Format_RGB32);
    Cls();
}

ChimeiLayout ChimeiStrip::drawName(const QString &strText)
{
    const QByteArray bytes = base::Cp932::fromUnicode(strText);
    const ChimeiLayout layout = ChimeiLayout::forName(reslib::LenB_ASCII(bytes), m_properties.showsTsugiwa());
    setWidth(layout.stripWidth);

    if (m_properties.showsTsugiwa())
        DrawTsugiwa();

    for (int32_t i = 1; i <= layout.unitCount; ++i) {
        const QByteArray unitBytes = reslib::MidB_ASCII(bytes, 2 * i - 1, 2);
        if (unitBytes.isEmpty()) {
            // Past the end of the name: the remaining units are empty and only clear the scratch.
            m_scratch.Cls();
            break;
        }
        QString unit = base::Cp932::toUnicode(unitBytes);
        const int64_t x = layout.start + int64_t{i - 1} * layout.pitch;
        if (x >= width() && layout.pitch > 0) {
            // Everything from here on lies beyond the strip's right end and would be clipped.
            // Only the scratch font is brought to the state the last unit would leave.
            const QByteArray last = reslib::MidB_ASCII(bytes, 2 * ((bytes.size() + 1) / 2) - 1, 2);
            QString lastUnit = base::Cp932::toUnicode(last);
            m_scratch.Cls();
            substitute(lastUnit);
            chooseFace(lastUnit);
            m_scratch.setFontBold(m_properties.FontBold);
            break;
        }
        DrawDot54(static_cast<int32_t>(x), 0, unit);
    }
    return layout;
}

void ChimeiStrip::chooseFace(const QString &unit)
{
    const bool gothic = gothicFor(m_properties.FontMode, firstCharCode(unit));
    m_scratch.setFaceName(gothic ? FaceNames::Gothic : FaceNames::Mincho);
}

void ChimeiStrip::DrawDot54(int32_t X, int32_t Y, QString &strText)
{
    m_scratch.Cls();
    if (strText.isEmpty())
        return;
    substitute(strText);
    chooseFace(strText);
    m_scratch.setFontBold(m_properties.FontBold);
    m_scratch.Print(strText);
    copyScratchDots(X, Y, m_properties.ForeColor);
}

void ChimeiStrip::DrawTsugiwa()
{
    const ChimeiProperties &p = m_properties;
    m_scratch.Cls();
    m_scratch.setFontSize(14);
    m_scratch.setCurrentY(0);
    // The prefix's weight is its own: it does not take over the bold of the stop-name glyph
    // drawn last, so it looks the same from one name to the next.
    m_scratch.setFontBold(p.TsugiwaBold);

    // TsugiwaFontMode: 0 both gothic, 1 only "は" mincho, 2 both mincho, 3 only "は" gothic.
    // Other values keep whatever face the scratch surface has.
    if (p.TsugiwaFontMode == 0 || p.TsugiwaFontMode == 1)
        m_scratch.setFaceName(FaceNames::Gothic);
    else if (p.TsugiwaFontMode == 2 || p.TsugiwaFontMode == 3)
        m_scratch.setFaceName(FaceNames::Mincho);
    m_scratch.Print(QStringLiteral("次"));
    copyScratchDots(0, 0, p.TsugiwaColor);

    m_scratch.Cls();
    if (p.TsugiwaMode == 1) {
        // The small "は" sits lower so that its foot lines up with that of "次".
        m_scratch.setFontSize(12);
        m_scratch.setCurrentY(4);
    } else {
        m_scratch.setFontSize(14);
        m_scratch.setCurrentY(0);
    }
    if (p.TsugiwaFontMode == 0 || p.TsugiwaFontMode == 3)
        m_scratch.setFaceName(FaceNames::Gothic);
    else if (p.TsugiwaFontMode == 1 || p.TsugiwaFontMode == 2)
        m_scratch.setFaceName(FaceNames::Mincho);
    m_scratch.setFontBold(p.TsugiwaBold);
    m_scratch.Print(QStringLiteral("は"));
    copyScratchDots(ChimeiLayout::GlyphAdvance, 0, p.TsugiwaColor);

    m_scratch.setFontSize(14);
    m_scratch.setCurrentY(0);
    m_scratch.setFontBold(false);
}

void ChimeiStrip::copyScratchDots(int32_t X, int32_t Y, base::OleColor colour)
{
    constexpr int64_t Reach = int64_t{DotPitch} * (Samples - 1) + DotSize;
    if (int64_t{X} >= m_image.width() || int64_t{X} + Reach <= 0 || int64_t{Y} >= m_image.height()
        || int64_t{Y} + Reach <= 0)
        return;
    const QRgb rgb = base::toQColor(colour).rgb();
    // Samples past the scratch surface's edge are never black.
    const int rows = std::min(Samples, ChimeiScratch::Size);
    const int columns = std::min(Samples, ChimeiScratch::Size);
    const QImage &scratch = std::as_const(m_scratch).image();
    for (int r = 0; r < rows; ++r) {
        const auto *samples = reinterpret_cast<const QRgb *>(scratch.constScanLine(r));
        for (int c = 0; c < columns; ++c) {
            if (samples[c] == ChimeiScratch::Black)
                fillDot(X + DotPitch * c, Y + DotPitch * r, rgb);
        }
    }
}

void ChimeiStrip::fillDot(int x, int y, QRgb colour)
{
    const int width = m_image.width();
    const int height = m_image.height();
    const int left = std::max(x, 0);
    const int right = std::min(x + DotSize, width);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + DotSize, height);
    for (int row = top; row < bottom; ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        for (int col = left; col < right; ++col)
            line[col] = colour;
    }
}

} // namespace controls
