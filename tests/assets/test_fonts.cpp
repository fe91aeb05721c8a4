// The application's own fonts, as the digit control and the ticket-number labels use them.
#include "AssetFonts.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>

using assettest::loadAssetFont;

namespace {

struct SizeClass {
    int pixelSize;
    int cellWidth;
    int cellHeight;
};

// The four size classes of the digit control: font pixel size and the cell it must fill.
constexpr std::array<SizeClass, 4> kSizeClasses{{{26, 13, 20}, {34, 17, 26}, {38, 19, 29}, {22, 11, 15}}};
const std::array<QString, 3> kDigitFamilies{QStringLiteral("M_DegitA"), QStringLiteral("M_DegitB"),
                                            QStringLiteral("M_DegitC")};
const QString kGlyphs = QStringLiteral("0123456789- 8");

QFont digitFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(true); // the control always asks for bold
    return font;
}

// Draws text white on black the way the digit control places a cell: the ascent line one pixel
// above the cell's top edge. The cell's top left corner is at `cell` within a canvas of `size`.
QImage renderCell(const QFont &font, const QString &text, QSize size, QPoint cell = {})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(cell.x(), cell.y() - 1 + QFontMetrics(font).ascent()), text);
    return image;
}

int coverage(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y));
}

bool lit(const QImage &image, int x, int y)
{
    return coverage(image, x, y) > 127;
}

struct Region {
    char segment;
    QRect cells; // pixels of a 13 x 20 cell (size class 0) that only this segment reaches
};

// Where each segment lies in a size class 0 cell, loose enough for all three styles.
const std::array<Region, 7> kSegments{{
    {'a', QRect(QPoint(5, 1), QPoint(8, 3))},
    {'b', QRect(QPoint(8, 5), QPoint(12, 7))},
    {'c', QRect(QPoint(8, 12), QPoint(12, 14))},
    {'d', QRect(QPoint(3, 16), QPoint(7, 18))},
    {'e', QRect(QPoint(0, 12), QPoint(4, 14))},
    {'f', QRect(QPoint(0, 5), QPoint(4, 7))},
    {'g', QRect(QPoint(4, 8), QPoint(8, 11))},
}};

int litPixelsIn(const QImage &image, const QRect &region)
{
    int count = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            count += lit(image, x, y) ? 1 : 0;
    return count;
}

QRect inkBounds(const QImage &image, int threshold = 0)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (coverage(image, x, y) > threshold)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class DigitFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const QString &family : kDigitFamilies)
            loadAssetFont(family + QStringLiteral(".ttf"));
    }
};

TEST_F(DigitFonts, LoadUnderTheirOwnNamesAsBoldFaces)
{
    for (const QString &family : kDigitFamilies) {
        EXPECT_EQ(loadAssetFont(family + QStringLiteral(".ttf")), QStringList{family});
        const QFontInfo info(digitFont(family, 26));
        EXPECT_EQ(info.family(), family);
        EXPECT_TRUE(info.bold()) << qPrintable(family);
        for (QChar ch : kGlyphs)
            EXPECT_TRUE(QFontMetrics(digitFont(family, 26)).inFont(ch)) << qPrintable(family) << " " << char(ch.unicode());
    }
}

TEST_F(DigitFonts, EveryGlyphAdvancesExactlyOneCellInEverySizeClass)
{
    for (const QString &family : kDigitFamilies) {
        for (const SizeClass &sc : kSizeClasses) {
            const QFont font = digitFont(family, sc.pixelSize);
            const QFontMetrics fm(font);
            const QFontMetricsF fmf(font);
            for (QChar ch : kGlyphs) {
                EXPECT_EQ(fm.horizontalAdvance(ch), sc.cellWidth)
                    << qPrintable(family) << " " << sc.pixelSize << "px '" << char(ch.unicode()) << "'";
                EXPECT_DOUBLE_EQ(fmf.horizontalAdvance(ch), sc.cellWidth)
                    << qPrintable(family) << " " << sc.pixelSize << "px '" << char(ch.unicode()) << "'";
            }
            // No kerning or spacing between cells: a row of four is four cells wide.
            EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("8888")), 4 * sc.cellWidth);
            EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("1 -7")), 4 * sc.cellWidth);
        }
    }
}

TEST_F(DigitFonts, EightLightsAllSevenSegmentsInsideTheCell)
{
    for (const QString &family : kDigitFamilies) {
        const QImage eight = renderCell(digitFont(family, 26), QStringLiteral("8"), QSize(13, 20));
        for (const Region &r : kSegments)
            EXPECT_GE(litPixelsIn(eight, r.cells), 2) << qPrintable(family) << " segment " << r.segment;

        // On a larger canvas nothing at all reaches past the cell, and the ink keeps clear of its
        // left column and its top and bottom rows.
        const QImage wide = renderCell(digitFont(family, 26), QStringLiteral("8"), QSize(33, 40), QPoint(10, 10));
        const QRect ink = inkBounds(wide);
        EXPECT_TRUE(QRect(11, 11, 11, 18).contains(ink)) << qPrintable(family) << " ink at " << ink.x() << ","
                                                          << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST_F(DigitFonts, EightFitsTheCellOfEverySizeClass)
{
    for (const QString &family : kDigitFamilies) {
        for (const SizeClass &sc : kSizeClasses) {
            const QSize cell(sc.cellWidth, sc.cellHeight);
            const QImage wide = renderCell(digitFont(family, sc.pixelSize), QStringLiteral("8"),
                                           cell + QSize(20, 20), QPoint(10, 10));
            // Faint anti-aliasing may touch the edge; no pixel lit more than half may leave the cell.
            EXPECT_TRUE(QRect(QPoint(10, 10), cell).contains(inkBounds(wide, 127)))
                << qPrintable(family) << " " << sc.pixelSize << "px";
            // Horizontally the cells stand side by side, so there even faint ink must stay inside.
            const QRect ink = inkBounds(wide);
            EXPECT_GE(ink.left(), 10) << qPrintable(family) << " " << sc.pixelSize << "px";
            EXPECT_LE(ink.right(), 10 + sc.cellWidth - 1) << qPrintable(family) << " " << sc.pixelSize << "px";
        }
    }
}

TEST_F(DigitFonts, DigitsShowTheirSevenSegmentForms)
{
    // Segments each digit lights; 7 may or may not light f, so f is not checked for it.
    const std::array<const char *, 10> forms{"abcdef", "bc", "abdeg", "abcdg", "bcfg",
                                             "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    for (const QString &family : kDigitFamilies) {
        for (int digit = 0; digit <= 9; ++digit) {
            const QImage image = renderCell(digitFont(family, 26), QString::number(digit), QSize(13, 20));
            const QByteArray on(forms[digit]);
            for (const Region &r : kSegments) {
                if (digit == 7 && r.segment == 'f')
                    continue;
                if (on.contains(r.segment))
                    EXPECT_GE(litPixelsIn(image, r.cells), 2) << qPrintable(family) << " " << digit << " " << r.segment;
                else
                    EXPECT_EQ(litPixelsIn(image, r.cells), 0) << qPrintable(family) << " " << digit << " " << r.segment;
            }
        }
    }
}

TEST_F(DigitFonts, EveryGlyphLiesOnTheSegmentsOfEight)
{
    // The control draws the dim "8" first and the value over it: any ink outside the "8" would
    // show as a stray mark, at any size.
    for (const QString &family : kDigitFamilies) {
        for (const SizeClass &sc : kSizeClasses) {
            const QFont font = digitFont(family, sc.pixelSize);
            const QSize size(sc.cellWidth, sc.cellHeight + 4);
            const QImage eight = renderCell(font, QStringLiteral("8"), size);
            for (QChar ch : kGlyphs) {
                const QImage glyph = renderCell(font, QString(ch), size);
                int stray = 0;
                for (int y = 0; y < size.height(); ++y)
                    for (int x = 0; x < size.width(); ++x)
                        stray += coverage(glyph, x, y) > coverage(eight, x, y) + 8 ? 1 : 0;
                EXPECT_EQ(stray, 0) << qPrintable(family) << " " << sc.pixelSize << "px '" << char(ch.unicode()) << "'";
            }
        }
    }
}

TEST_F(DigitFonts, MinusLightsOnlyTheMiddleSegmentAndSpaceNothing)
{
    for (const QString &family : kDigitFamilies) {
        const QImage minus = renderCell(digitFont(family, 26), QStringLiteral("-"), QSize(13, 20));
        EXPECT_GE(litPixelsIn(minus, kSegments[6].cells), 2) << qPrintable(family);
        const QRect ink = inkBounds(minus, 127);
        EXPECT_GE(ink.top(), 8) << qPrintable(family);
        EXPECT_LE(ink.bottom(), 11) << qPrintable(family);

        const QImage space = renderCell(digitFont(family, 26), QStringLiteral(" "), QSize(13, 20));
        EXPECT_TRUE(inkBounds(space).isNull()) << qPrintable(family);
    }
}

TEST_F(DigitFonts, TheThreeStylesLookDifferent)
{
    std::array<QImage, 3> eights;
    for (size_t i = 0; i < kDigitFamilies.size(); ++i)
        eights[i] = renderCell(digitFont(kDigitFamilies[i], 26), QStringLiteral("8"), QSize(13, 20));
    for (size_t i = 0; i < eights.size(); ++i) {
        for (size_t j = i + 1; j < eights.size(); ++j) {
            int differing = 0;
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 13; ++x)
                    differing += std::abs(coverage(eights[i], x, y) - coverage(eights[j], x, y)) > 64 ? 1 : 0;
            EXPECT_GE(differing, 10) << qPrintable(kDigitFamilies[i]) << " vs " << qPrintable(kDigitFamilies[j]);
        }
    }
}

TEST(TicketNumberFont, ShowsFullWidthAndAsciiDigits)
{
    ASSERT_EQ(loadAssetFont(QStringLiteral("M_NumC2.ttf")), QStringList{QStringLiteral("M_NumC2")});
    QFont font(QStringLiteral("M_NumC2"));
    font.setPixelSize(13);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("M_NumC2"));
    const QFontMetrics fm(font);
    for (int i = 0; i <= 9; ++i) {
        EXPECT_TRUE(fm.inFont(QChar(0xFF10 + i))) << i;
        EXPECT_TRUE(fm.inFont(QChar('0' + i))) << i;
    }
}

TEST(TicketNumberFont, TwoDigitsFitTheLabelWithRoomToSpare)
{
    ASSERT_FALSE(loadAssetFont(QStringLiteral("M_NumC2.ttf")).isEmpty());
    QFont font(QStringLiteral("M_NumC2"));
    font.setPixelSize(13); // 9.75 pt at 96 dpi
    const QString thirty = QStringLiteral("３０");
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(thirty), 40);

    // White text centred in the 52 x 16 label, as the panel shows it.
    QImage label(52, 16, QImage::Format_RGB32);
    label.fill(Qt::black);
    QPainter painter(&label);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(label.rect(), Qt::AlignCenter, thirty);
    painter.end();

    const QRect ink = inkBounds(label);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 6);
    EXPECT_LE(ink.right(), 52 - 7);
    EXPECT_GE(ink.top(), 1);
    EXPECT_LE(ink.bottom(), 14);
    // Tall enough to read at a glance: at least 10 of the 16 rows.
    EXPECT_GE(ink.height(), 10);
    // The two digits stay apart: some column between them is empty.
    bool gap = false;
    for (int x = ink.left() + 4; x < ink.right() - 4 && !gap; ++x) {
        bool empty = true;
        for (int y = 0; y < 16; ++y)
            empty = empty && coverage(label, x, y) == 0;
        gap = empty;
    }
    EXPECT_TRUE(gap);
}

} // namespace
