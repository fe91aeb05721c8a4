// The built-in panel picture: the face the panel window's controls sit on.
#include "AssetFonts.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSet>

#include <array>

using assettest::assetPath;
using assettest::loadAssetFont;

namespace {

const QRgb kFace = qRgb(82, 82, 82);
const QRgb kStopWindow = qRgb(128, 128, 128);
const QRgb kFareWindow = qRgb(148, 148, 148);

// Where the panel window places its controls, in pixels.
const QRect kStopNameDisplay(126, 24, 432, 56);
constexpr std::array<int, 10> kColumnLeft{50, 107, 163, 220, 277, 333, 390, 447, 503, 560};
constexpr std::array<int, 3> kFareTop{156, 197, 239};
constexpr std::array<int, 3> kLabelTop{141, 182, 224};

QImage panel()
{
    static const QImage image(assetPath(QStringLiteral("panel.gif")));
    return image;
}

QRgb rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

// Pixels of the one-pixel ring just outside a rectangle that do not have the expected colour.
int ringMismatches(const QImage &image, const QRect &rect, QRgb expected)
{
    const QRect ring = rect.adjusted(-1, -1, 1, 1);
    int mismatches = 0;
    for (int x = ring.left(); x <= ring.right(); ++x) {
        mismatches += rgbAt(image, x, ring.top()) != (expected & 0xFFFFFF);
        mismatches += rgbAt(image, x, ring.bottom()) != (expected & 0xFFFFFF);
    }
    for (int y = ring.top() + 1; y < ring.bottom(); ++y) {
        mismatches += rgbAt(image, ring.left(), y) != (expected & 0xFFFFFF);
        mismatches += rgbAt(image, ring.right(), y) != (expected & 0xFFFFFF);
    }
    return mismatches;
}

QRect fareCell(int row, int column)
{
    return QRect(kColumnLeft[column], kFareTop[row], 52, 20);
}

TEST(PanelPicture, IsA642By315PictureOfAtMost256Colours)
{
    const QImage image = panel();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(642, 315));
    if (image.format() == QImage::Format_Indexed8) {
        EXPECT_LE(image.colorCount(), 256);
    }
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(rgbAt(image, x, y));
    EXPECT_LE(colours.size(), 256);
}

TEST(PanelPicture, DarkGreyFaceBetweenBlackBands)
{
    const QImage image = panel();
    ASSERT_FALSE(image.isNull());
    for (int x = 0; x < image.width(); ++x) {
        EXPECT_EQ(rgbAt(image, x, 0), qRgb(0, 0, 0) & 0xFFFFFF) << x;
        EXPECT_EQ(rgbAt(image, x, image.height() - 1), qRgb(0, 0, 0) & 0xFFFFFF) << x;
    }
    int face = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            face += rgbAt(image, x, y) == (kFace & 0xFFFFFF);
    EXPECT_GT(face, image.width() * image.height() / 3);
}

TEST(PanelPicture, GreyWindowUnderTheStopNameDisplay)
{
    const QImage image = panel();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(ringMismatches(image, kStopNameDisplay, kStopWindow), 0);
    EXPECT_EQ(rgbAt(image, kStopNameDisplay.center().x(), kStopNameDisplay.center().y()), kStopWindow & 0xFFFFFF);
}

TEST(PanelPicture, LighterWindowFramesEveryFareCellClosely)
{
    const QImage image = panel();
    ASSERT_FALSE(image.isNull());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 10; ++column) {
            const QRect cell = fareCell(row, column);
            EXPECT_EQ(ringMismatches(image, cell, kFareWindow), 0) << "row " << row << " column " << column;
            // No more than two pixels of window around the cell.
            EXPECT_NE(rgbAt(image, cell.left() - 3, cell.center().y()), kFareWindow & 0xFFFFFF);
            EXPECT_NE(rgbAt(image, cell.right() + 3, cell.center().y()), kFareWindow & 0xFFFFFF);
            EXPECT_NE(rgbAt(image, cell.center().x(), cell.top() - 3), kFareWindow & 0xFFFFFF);
            EXPECT_NE(rgbAt(image, cell.center().x(), cell.bottom() + 3), kFareWindow & 0xFFFFFF);
        }
    }
}

TEST(PanelPicture, TicketLabelsStandOnEmptyFace)
{
    const QImage image = panel();
    ASSERT_FALSE(image.isNull());
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 10; ++column) {
            // The label reaches down to the fare window; everything above the window is bare face.
            const QRect upper(kColumnLeft[column], kLabelTop[row], 52, kFareTop[row] - 1 - kLabelTop[row]);
            int other = 0;
            for (int y = upper.top(); y <= upper.bottom(); ++y)
                for (int x = upper.left(); x <= upper.right(); ++x)
                    other += rgbAt(image, x, y) != (kFace & 0xFFFFFF);
            EXPECT_EQ(other, 0) << "row " << row << " column " << column;
        }
    }
}

TEST(PanelPicture, UnlitOutlinesLieExactlyUnderTheFareDigits)
{
    // The fare cell draws four "8" in M_DegitB at 26 px with its ascent line one pixel above the
    // cell; the outlines printed in the window must be those same pixels.
    const QImage image = panel();
    ASSERT_FALSE(image.isNull());
    ASSERT_FALSE(loadAssetFont(QStringLiteral("M_DegitB.ttf")).isEmpty());
    QFont font(QStringLiteral("M_DegitB"));
    font.setPixelSize(26);
    font.setBold(true);
    QImage digits(52, 20, QImage::Format_RGB32);
    digits.fill(Qt::black);
    QPainter painter(&digits);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(0, -1 + QFontMetrics(font).ascent()), QStringLiteral("8888"));
    painter.end();

    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 10; ++column) {
            const QRect cell = fareCell(row, column);
            int segments = 0;
            int mismatches = 0;
            for (int y = 0; y < 20; ++y) {
                for (int x = 0; x < 52; ++x) {
                    const bool printed = qAbs(qGray(image.pixel(cell.x() + x, cell.y() + y)) - qGray(kFareWindow)) > 8;
                    const bool drawn = qGray(digits.pixel(x, y)) > 127;
                    segments += drawn;
                    mismatches += printed != drawn;
                }
            }
            EXPECT_GT(segments, 4 * 30);
            EXPECT_LE(mismatches, 4) << "row " << row << " column " << column;
        }
    }
}

} // namespace
