// The stop-name display as a control: persisted properties, setters, what the stage shows.
#include "ChimeiTestSupport.h"

#include "controls/PropertyBag.h"

#include <gtest/gtest.h>

using namespace chimei_test;
using controls::ChimeiCtl_DX;
using controls::PropertyBag;

namespace {

const QStringList PersistedOrder = {"BackColor", "ForeColor", "Speed", "ScrollStartWait",
                                    "Mode", "Appearance", "FontMode", "FontBold",
                                    "TsugiwaMode", "TsugiwaColor", "TsugiwaFontMode", "TsugiwaBold"};

PropertyBag panelDesignerData()
{
    PropertyBag bag;
    bag.with("BackColor", 0x404040).with("ForeColor", 0x80C0FF);
    return bag;
}

} // namespace

TEST(ChimeiProperties, ANewInstanceHasTheDefaultsAndWritesNothing)
{
    ChimeiCtl_DX display;
    EXPECT_EQ(display.BackColor(), 0x808080u);
    EXPECT_EQ(display.ForeColor(), 0x00BEFFu);
    EXPECT_EQ(display.Speed(), 5);
    EXPECT_EQ(display.ScrollStartWait(), 1500);
    EXPECT_EQ(display.TsugiwaColor(), 7977471u);
    EXPECT_EQ(display.Appearance(), 1);
    EXPECT_EQ(display.TsugiwaMode(), 0);
    EXPECT_EQ(display.size(), QSize(432, 56));
    PropertyBag bag;
    display.WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty());
}

TEST(ChimeiProperties, ThePanelInstanceComesFromItsDesignerData)
{
    ChimeiCtl_DX display(panelDesignerData());
    EXPECT_EQ(display.BackColor(), 0x404040u);
    EXPECT_EQ(display.ForeColor(), 0x80C0FFu);
    EXPECT_EQ(display.Speed(), 5);
    EXPECT_EQ(display.Appearance(), 1);

    // Inside the border the stage is the designer's dark grey; dots come out RGB 255,192,128.
    const QImage stage = display.stageImage();
    EXPECT_EQ(stage.pixel(200, 30), qRgb(0x40, 0x40, 0x40));
    display.SetChimei(QStringLiteral("駅前"));
    bool sawDot = false;
    const QImage strip = display.stripImage();
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb c = strip.pixel(x, y);
            ASSERT_TRUE(c == qRgb(0x40, 0x40, 0x40) || c == qRgb(255, 192, 128));
            sawDot |= c == qRgb(255, 192, 128);
        }
    EXPECT_TRUE(sawDot);

    PropertyBag written;
    display.WriteProperties(written);
    EXPECT_EQ(written.names(), QStringList({"BackColor", "ForeColor"}));
}

TEST(ChimeiProperties, EveryPropertySurvivesWriteAndReadInItsOrder)
{
    ChimeiCtl_DX source;
    source.setBackColor(0x102030);
    source.setForeColor(0x00FF00);
    source.setSpeed(-7);
    source.setScrollStartWait(250);
    source.setMode(3);
    source.setAppearance(0);
    source.setFontMode(4);
    source.setFontBold(true);
    source.setTsugiwaMode(1);
    source.setTsugiwaColor(0xFFFFFF);
    source.setTsugiwaFontMode(2);
    source.setTsugiwaBold(true);
    PropertyBag bag;
    source.WriteProperties(bag);
    EXPECT_EQ(bag.names(), PersistedOrder);

    ChimeiCtl_DX copy(bag);
    PropertyBag again;
    copy.WriteProperties(again);
    for (const QString &name : PersistedOrder)
        EXPECT_EQ(again.ReadProperty(name), bag.ReadProperty(name)) << qPrintable(name);
}

TEST(ChimeiProperties, ReadingStoresValuesUncheckedButNeverBreaks)
{
    PropertyBag bag;
    bag.with("TsugiwaMode", 7).with("Speed", 100000).with("FontMode", "junk").with("Appearance", 5);
    ChimeiCtl_DX display(bag);
    EXPECT_EQ(display.TsugiwaMode(), 7);
    EXPECT_EQ(display.Speed(), 32767);
    EXPECT_EQ(display.FontMode(), 0);
    EXPECT_EQ(display.Appearance(), 1);
    display.SetChimei(QStringLiteral("駅"));
    EXPECT_FALSE(blankColumns(display.stripImage(), 0, 54)); // any mode but 0 shows the prefix
}

TEST(ChimeiProperties, SettersReportTheirNames)
{
    ChimeiCtl_DX display;
    QStringList reported;
    QObject::connect(&display, &ChimeiCtl_DX::propertyChanged, [&](const QString &n) { reported << n; });
    display.setBackColor(1);
    display.setForeColor(2);
    display.setSpeed(3);
    display.setScrollStartWait(4);
    display.setMode(5);
    display.setAppearance(0);
    display.setFontMode(1);
    display.setFontBold(true);
    display.setTsugiwaMode(1);
    display.setTsugiwaColor(6);
    display.setTsugiwaFontMode(1);
    display.setTsugiwaBold(true);
    EXPECT_EQ(reported, PersistedOrder);
}

TEST(ChimeiProperties, TsugiwaModeOutOfRangeIsStoredAsZero)
{
    ChimeiCtl_DX display;
    display.setTsugiwaMode(2);
    display.setTsugiwaMode(3);
    EXPECT_EQ(display.TsugiwaMode(), 0);
    display.setTsugiwaMode(1);
    display.setTsugiwaMode(-1);
    EXPECT_EQ(display.TsugiwaMode(), 0);
    display.setTsugiwaMode(1);
    EXPECT_EQ(display.TsugiwaMode(), 1);
}

TEST(ChimeiProperties, BackColourAndAppearanceClearTheStripColourDoesNot)
{
    ChimeiCtl_DX display;
    display.SetChimei(QStringLiteral("駅前"));
    display.setForeColor(0x0000FF);
    EXPECT_FALSE(blank(display.stripImage()));
    display.setBackColor(0x000000);
    EXPECT_TRUE(blank(display.stripImage(), qRgb(0, 0, 0)));

    display.SetChimei(QStringLiteral("駅前"));
    display.setAppearance(0);
    EXPECT_TRUE(blank(display.stripImage(), qRgb(0, 0, 0)));
    display.setAppearance(9); // not an appearance: ignored
    EXPECT_EQ(display.Appearance(), 0);
}

TEST(ChimeiStage, ShowsTheStripInsideItsBorder)
{
    ChimeiCtl_DX display(panelDesignerData());
    display.SetChimei(QStringLiteral("駅前"));
    const QImage strip = display.stripImage();
    const QImage stage = display.stageImage();
    EXPECT_EQ(stage.size(), QSize(432, 56));
    // Three-dimensional border of 2 pixels; the strip hangs one pixel above the inside.
    for (int y = 2; y < 56; ++y)
        for (int x = 2; x < 430; ++x)
            ASSERT_EQ(stage.pixel(x, y), strip.pixel(x - 2, y - 1)) << x << "," << y;
    EXPECT_EQ(stage.pixel(0, 20), qRgb(128, 128, 128));
    EXPECT_EQ(stage.pixel(431, 20), qRgb(255, 255, 255));

    display.setAppearance(0);
    display.SetChimei(QStringLiteral("駅前"));
    const QImage flat = display.stageImage();
    EXPECT_EQ(flat.pixel(0, 20), qRgb(0, 0, 0));
    for (int y = 1; y < 56; ++y)
        for (int x = 1; x < 431; ++x)
            ASSERT_EQ(flat.pixel(x, y), strip.pixel(x - 1, y)) << x << "," << y;
}

TEST(ChimeiStage, GrabbingTheWidgetShowsWhatTheStageShows)
{
    ChimeiCtl_DX display(panelDesignerData());
    display.SetChimei(QStringLiteral("駅前"));
    display.show();
    EXPECT_EQ(display.grab().toImage().convertToFormat(QImage::Format_RGB32), display.stageImage());
}
