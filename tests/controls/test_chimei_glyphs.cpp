// How stop names become dots: positions on the strip, the prefix, substitutions, faces.
#include "ChimeiTestSupport.h"

#include "base/FaceNames.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace chimei_test;
using controls::ChimeiCtl_DX;
using controls::ChimeiProperties;
using controls::ChimeiStrip;

namespace {

const QString Seven = QStringLiteral("東京駅八重洲北");
const QString Eight = QStringLiteral("東京駅八重洲北口");
const QString Nine = QStringLiteral("東京駅八重洲北口前");

ChimeiProperties mincho()
{
    ChimeiProperties p;
    p.FontMode = 1;
    return p;
}

} // namespace

TEST(ChimeiFaces, StandInsForTheOriginalFacesAreInstalled)
{
    using base::FaceNames;
    EXPECT_EQ(QFontInfo(FaceNames::font(FaceNames::Gothic, 19)).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(FaceNames::font(FaceNames::Mincho, 19)).family(), "IPAMincho");
    EXPECT_EQ(QFontInfo(FaceNames::font(FaceNames::ProportionalGothic, 19)).family(), "IPAPGothic");
    EXPECT_EQ(FaceNames::resolve("M_DegitA"), "M_DegitA");
}

TEST(ChimeiScratch, GlyphStrokesArePureBlackOnWhite)
{
    for (const QString &face : {base::FaceNames::Gothic, base::FaceNames::Mincho}) {
        for (int points : {14, 12}) {
            for (bool bold : {false, true}) {
                controls::ChimeiScratch scratch;
                scratch.setFaceName(face);
                scratch.setFontSize(points);
                scratch.setFontBold(bold);
                scratch.Print(QStringLiteral("鷲"));
                int black = 0;
                for (int y = 0; y < 18; ++y)
                    for (int x = 0; x < 18; ++x) {
                        const QRgb c = scratch.image().pixel(x, y);
                        ASSERT_TRUE(c == 0xFF000000 || c == 0xFFFFFFFF)
                            << qPrintable(face) << " " << points << "pt bold " << bold;
                        black += c == 0xFF000000;
                    }
                EXPECT_GT(black, 20);
            }
        }
    }
}

// A glyph printed before is copied, not drawn again; each thing the glyph depends on (text,
// face, size, weight, drawing position) gives it its own copy, equal to the glyph drawn afresh.
TEST(ChimeiScratch, GlyphPrintedAgainEqualsTheGlyphDrawnAfresh)
{
    struct Variant
    {
        QString text;
        QString face;
        int points;
        bool bold;
        int y;
    };
    const QString gothic = base::FaceNames::Gothic;
    const QString mincho = base::FaceNames::Mincho;
    const Variant variants[] = {{QStringLiteral("鷲"), gothic, 14, false, 0}, {QStringLiteral("鷲"), mincho, 14, false, 0},
                                {QStringLiteral("鷲"), gothic, 12, false, 0}, {QStringLiteral("鷲"), gothic, 14, true, 0},
                                {QStringLiteral("鷲"), gothic, 12, false, 4}, {QStringLiteral("は"), gothic, 14, false, 0}};
    controls::ChimeiScratch scratch;
    const auto print = [&scratch](const Variant &v, bool afresh) {
        scratch.Cls();
        if (afresh)
            scratch.image().fill(0xFFFFFFFF); // drawn on, as far as the scratch knows
        scratch.setFaceName(v.face);
        scratch.setFontSize(v.points);
        scratch.setFontBold(v.bold);
        scratch.setCurrentY(v.y);
        scratch.Print(v.text);
        return scratch.image().copy();
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (const Variant &v : variants) {
            const QImage kept = print(v, false);
            EXPECT_EQ(kept, print(v, true)) << qPrintable(v.text) << " " << qPrintable(v.face) << " " << v.points
                                            << "pt bold " << v.bold << " y " << v.y << " pass " << pass;
        }
    }
}

TEST(ChimeiDots, OnlyExactlyBlackScratchPixelsLightDots)
{
    ChimeiProperties props;
    ChimeiStrip strip(props);
    QImage &scratch = strip.scratch().image();
    scratch.setPixel(0, 0, 0xFF000000);
    scratch.setPixel(2, 0, 0xFF010101);
    scratch.setPixel(4, 0, 0xFF000001);
    scratch.setPixel(6, 0, 0xFF404040);
    scratch.setPixel(17, 17, 0xFF000000);
    strip.copyScratchDots(10, 3, props.ForeColor);

    const QImage &s = strip.image();
    const QRgb lit = base::toQColor(props.ForeColor).rgb();
    // A lit dot is a 2 x 2 square at pitch 3.
    for (int y : {3, 4})
        for (int x : {10, 11})
            EXPECT_EQ(s.pixel(x, y), lit);
    EXPECT_EQ(s.pixel(12, 3), Background);
    EXPECT_EQ(s.pixel(10, 5), Background);
    EXPECT_EQ(s.pixel(10 + 51, 3 + 51), lit);
    EXPECT_EQ(s.pixel(10 + 52, 3 + 52), lit);
    const auto box = litBox(s);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->left, 10);
    EXPECT_EQ(box->top, 3);
    EXPECT_EQ(box->right, 62);
    EXPECT_EQ(box->bottom, 55);
    int litPixels = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            litPixels += s.pixel(x, y) == lit;
    EXPECT_EQ(litPixels, 8);
}

TEST(ChimeiDots, EveryLitPixelBelongsToATwoByTwoDotOnTheGrid)
{
    ChimeiCtl_DX display;
    display.SetChimei(QStringLiteral("鷲尾"));
    const QImage cell = cellAt(display.stripImage(), 135);
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            if (cell.pixel(x, y) != Background) {
                ASSERT_TRUE(x % 3 != 2 && y % 3 != 2) << x << "," << y;
                ASSERT_NE(cell.pixel(x - x % 3, y - y % 3), Background);
                ASSERT_NE(cell.pixel(x - x % 3 + 1, y - y % 3 + 1), Background);
            }
        }
    }
}

TEST(ChimeiLayoutOnStrip, TwoCharactersWithoutAndWithThePrefix)
{
    ChimeiCtl_DX display;
    display.SetChimei(QStringLiteral("駅前"));
    const QImage &plain = display.stripImage();
    EXPECT_EQ(cellAt(plain, 135), glyph("駅"));
    EXPECT_EQ(cellAt(plain, 243), glyph("前"));
    EXPECT_TRUE(blankColumns(plain, 0, 135));
    EXPECT_TRUE(blankColumns(plain, 189, 243));
    EXPECT_TRUE(blankColumns(plain, 297, 432));

    display.setTsugiwaMode(2);
    display.SetChimei(QStringLiteral("駅前"));
    const QImage &prefixed = display.stripImage();
    EXPECT_EQ(mask(cellAt(prefixed, 0)), mask(glyph("次")));
    EXPECT_EQ(mask(cellAt(prefixed, 54)), mask(glyph("は")));
    EXPECT_EQ(cellAt(prefixed, 188), glyph("駅"));
    EXPECT_EQ(cellAt(prefixed, 296), glyph("前"));
    EXPECT_TRUE(blankColumns(prefixed, 108, 188));
    EXPECT_TRUE(blankColumns(prefixed, 350, 432));
}

TEST(ChimeiLayoutOnStrip, PrefixDotsAreInTheirOwnColour)
{
    ChimeiCtl_DX display;
    display.setTsugiwaMode(2);
    display.SetChimei(QStringLiteral("駅"));
    const QRgb tsugiwa = base::toQColor(display.TsugiwaColor()).rgb();
    const QRgb fore = base::toQColor(display.ForeColor()).rgb();
    const QImage prefix = display.stripImage().copy(0, 0, 108, 56);
    const QImage name = cellAt(display.stripImage(), 242);
    for (const auto &[image, colour] : {std::pair{prefix, tsugiwa}, std::pair{name, fore}})
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ASSERT_TRUE(image.pixel(x, y) == Background || image.pixel(x, y) == colour);
    EXPECT_EQ(name, glyph("駅"));
}

TEST(ChimeiLayoutOnStrip, SevenUnitsStandWithoutThePrefixAndScrollWithIt)
{
    controls::ManualScrollClock clock{1000};
    ChimeiCtl_DX display(nullptr, &clock);
    display.SetChimei(Seven);
    EXPECT_FALSE(display.isScrolling());
    EXPECT_EQ(display.stripLeft(), 0);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(cellAt(display.stripImage(), 18 + 57 * i), glyph(Seven.mid(i, 1))) << i;

    display.setTsugiwaMode(1);
    display.SetChimei(Seven);
    EXPECT_TRUE(display.isScrolling());
    EXPECT_EQ(display.stripImage().width(), 9 * 54);
    EXPECT_EQ(cellAt(display.stripImage(), 108 + 6 * 54), glyph("北"));
}

TEST(ChimeiLayoutOnStrip, EightUnitsFillTheDisplayAndNineScroll)
{
    controls::ManualScrollClock clock{1000};
    ChimeiCtl_DX display(nullptr, &clock);
    display.SetChimei(Eight);
    EXPECT_FALSE(display.isScrolling());
    EXPECT_EQ(display.stripLeft(), 0);
    EXPECT_EQ(display.stripImage().width(), 432);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(cellAt(display.stripImage(), 54 * i), glyph(Eight.mid(i, 1))) << i;

    display.SetChimei(Nine);
    EXPECT_TRUE(display.isScrolling());
    EXPECT_EQ(display.stripImage().width(), 9 * 54);
    EXPECT_EQ(display.stripLeft(), 432);
    EXPECT_EQ(cellAt(display.stripImage(), 8 * 54), glyph("前"));
}

TEST(ChimeiLayoutOnStrip, OneCharacterAfterThePrefixStandsAt242)
{
    ChimeiCtl_DX display;
    display.setTsugiwaMode(2);
    display.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(cellAt(display.stripImage(), 242), glyph("駅"));
    EXPECT_TRUE(blankColumns(display.stripImage(), 108, 242));
}

TEST(ChimeiLayoutOnStrip, ALoneHalfWidthCharacterShiftsThePairingAfterIt)
{
    // "ｱ" is one byte, so the units are "ｱ" + the lead byte of "駅", its trail byte ("w")
    // + the lead byte of "前", and the trail byte of "前" ("O").
    ChimeiCtl_DX display;
    display.SetChimei(QStringLiteral("ｱ駅前"));
    const QImage &strip = display.stripImage();
    EXPECT_EQ(cellAt(strip, 135), glyph(QStringLiteral("ｱ・")));
    EXPECT_EQ(cellAt(strip, 243), glyph(QStringLiteral("w・")));
    EXPECT_EQ(cellAt(strip, 351), glyph(QStringLiteral("O")));

    display.SetChimei(QStringLiteral("ｱｲ駅"));
    EXPECT_EQ(cellAt(display.stripImage(), 135), glyph(QStringLiteral("ｱｲ")));
    EXPECT_EQ(cellAt(display.stripImage(), 243), glyph(QStringLiteral("駅")));
}

TEST(ChimeiLayoutOnStrip, TheEmptyNameClearsTheDisplay)
{
    ChimeiCtl_DX display;
    display.SetChimei(QStringLiteral("駅前"));
    ASSERT_FALSE(blank(display.stripImage()));
    display.SetChimei(QString());
    EXPECT_TRUE(blank(display.stripImage()));
}

TEST(ChimeiGlyphs, FourCharactersAreDrawnAsLookAlikes)
{
    const std::pair<QString, QString> cases[] = {
        {"丨", "ー"}, {"｜", "－"}, {"↓", "→"}, {"↑", "←"}};
    for (const auto &[unit, drawnAs] : cases) {
        ChimeiCtl_DX display;
        QString text = unit;
        display.DrawDot54(0, 0, text);
        EXPECT_EQ(text, drawnAs);
        EXPECT_EQ(cellAt(display.stripImage(), 0), glyph(drawnAs)) << qPrintable(unit);
        // Unreplaced, the character would have come out differently.
        controls::ChimeiScratch original, replacement;
        original.Print(unit);
        replacement.Print(drawnAs);
        EXPECT_NE(original.image(), replacement.image()) << qPrintable(unit);
    }
    // In a name the replacement applies to the unit as cut from the text.
    ChimeiCtl_DX display;
    display.SetChimei(QStringLiteral("↑駅"));
    EXPECT_EQ(cellAt(display.stripImage(), 135), glyph("←"));
}

TEST(ChimeiGlyphs, FontModeChoosesTheFacePerCharacterKind)
{
    auto drawnIn = [](int16_t fontMode, const QString &unit) {
        ChimeiProperties p;
        p.FontMode = fontMode;
        return glyph(unit, p);
    };
    // Full-width digits and Latin letters, kana, kanji, half-width letters and katakana.
    const QString digit = "０", letter = "ｚ", kana = "あ", kanji = "駅", half = "ｱ", latin = "Ag";
    for (const QString &u : {digit, letter, kana, kanji, half, latin})
        ASSERT_NE(glyph(u), glyph(u, mincho())) << qPrintable(u) << " looks the same in both faces";

    for (const QString &u : {digit, letter})
        EXPECT_EQ(drawnIn(4, u), glyph(u)) << qPrintable(u);
    for (const QString &u : {kana, kanji, half, latin})
        EXPECT_EQ(drawnIn(4, u), glyph(u, mincho())) << qPrintable(u);

    // 2: symbols, letters and kana in mincho, the rest gothic; 3 the other way round.
    for (const QString &u : {digit, kana})
        EXPECT_EQ(drawnIn(2, u), glyph(u, mincho())) << qPrintable(u);
    for (const QString &u : {kanji, half})
        EXPECT_EQ(drawnIn(2, u), glyph(u)) << qPrintable(u);
    EXPECT_EQ(drawnIn(3, kana), glyph(kana));
    EXPECT_EQ(drawnIn(3, kanji), glyph(kanji, mincho()));
    // Values outside 0 to 4 draw gothic.
    EXPECT_EQ(drawnIn(9, kanji), glyph(kanji));
}

TEST(ChimeiGlyphs, BoldWidensTheStrokes)
{
    ChimeiProperties bold;
    bold.FontBold = true;
    const QImage regular = glyph("川"), heavy = glyph("川", bold);
    auto count = [](const QImage &i) {
        int n = 0;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                n += i.pixel(x, y) != Background;
        return n;
    };
    EXPECT_GT(count(heavy), count(regular) * 3 / 2);
}

TEST(ChimeiTsugiwa, SmallHaSitsLowerThanTheFullSizeOne)
{
    ChimeiCtl_DX display;
    display.setTsugiwaMode(2);
    display.SetChimei(QStringLiteral("駅"));
    const Box tsugi = *litBox(cellAt(display.stripImage(), 0));
    const Box fullHa = *litBox(cellAt(display.stripImage(), 54));

    display.setTsugiwaMode(1);
    display.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(litBox(cellAt(display.stripImage(), 0))->bottom, tsugi.bottom);
    const Box smallHa = *litBox(cellAt(display.stripImage(), 54));
    EXPECT_LT(smallHa.height(), fullHa.height());
    EXPECT_LT(smallHa.width(), fullHa.width());
    EXPECT_GT(smallHa.top, fullHa.top);
}

TEST(ChimeiTsugiwa, FontModeChoosesTheFaceOfEachHalf)
{
    const QImage gothicTsugi = mask(glyph("次")), minchoTsugi = mask(glyph("次", mincho()));
    const QImage gothicHa = mask(glyph("は")), minchoHa = mask(glyph("は", mincho()));
    const struct
    {
        int16_t mode;
        QImage tsugi, ha;
    } cases[] = {{0, gothicTsugi, gothicHa},
                 {1, gothicTsugi, minchoHa},
                 {2, minchoTsugi, minchoHa},
                 {3, minchoTsugi, gothicHa}};
    for (const auto &c : cases) {
        ChimeiCtl_DX display;
        display.setTsugiwaMode(2);
        display.setTsugiwaFontMode(c.mode);
        display.SetChimei(QStringLiteral("駅"));
        EXPECT_EQ(mask(cellAt(display.stripImage(), 0)), c.tsugi) << c.mode;
        EXPECT_EQ(mask(cellAt(display.stripImage(), 54)), c.ha) << c.mode;
    }
}

TEST(ChimeiTsugiwa, ThePrefixWeightFollowsTsugiwaBoldAlone)
{
    ChimeiProperties bold;
    bold.FontBold = true;
    const QImage regularTsugi = mask(glyph("次")), boldTsugi = mask(glyph("次", bold));
    ASSERT_NE(regularTsugi, boldTsugi);

    ChimeiCtl_DX display;
    display.setTsugiwaMode(2);
    display.setFontBold(true);
    for (int pass = 0; pass < 2; ++pass) { // the same before and after a bold name was drawn
        display.SetChimei(QStringLiteral("駅"));
        EXPECT_EQ(mask(cellAt(display.stripImage(), 0)), regularTsugi) << pass;
        EXPECT_EQ(cellAt(display.stripImage(), 242), glyph("駅", bold)) << pass;
    }
    display.setTsugiwaBold(true);
    display.setFontBold(false);
    display.SetChimei(QStringLiteral("駅"));
    EXPECT_EQ(mask(cellAt(display.stripImage(), 0)), boldTsugi);
    EXPECT_EQ(cellAt(display.stripImage(), 242), glyph("駅"));
}

TEST(ChimeiLayoutOnStrip, HostileInputIsClippedNotFatal)
{
    controls::ManualScrollClock clock{1000};
    ChimeiCtl_DX display(nullptr, &clock);
    // Far more units than any strip can hold: the strip stops at its widest and still scrolls.
    display.SetChimei(QString(5000, QChar(u'駅')));
    EXPECT_TRUE(display.isScrolling());
    EXPECT_EQ(display.stripImage().width(), controls::ChimeiLayout::MaxStripWidth);
    EXPECT_EQ(cellAt(display.stripImage(), 54 * 600), glyph("駅"));

    // Characters the code page cannot hold become "?"; positions far off the strip draw nothing.
    display.SetChimei(QStringLiteral("😀"));
    EXPECT_EQ(cellAt(display.stripImage(), 0), glyph("?")); // one byte: drawn at the left end
    QString unit = QStringLiteral("駅");
    display.DrawDot54(INT32_MAX, INT32_MAX, unit);
    display.DrawDot54(INT32_MIN, 0, unit);
    EXPECT_TRUE(blankColumns(display.stripImage(), 54, 432));
}
