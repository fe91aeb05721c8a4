// The panel enlarged: its size kept in a file of its own, the enlarged picture against the panel
// itself, and the menu that chooses it.
#include "../support/FileBytes.h"
#include "AppFixture.h"
#include "app/PanelScale.h"
#include "app/ScaledPanelView.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "controls/ManualScrollClock.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>

using app::PanelScale;

namespace {

const QString DemoFolder = QStringLiteral(HARUNE_SOURCE_DIR "/data/demo/");

// Pixels of `big` that differ from `small` enlarged `factor` times by nearest neighbour, its top
// left corner at `at`; -1 when `big` cannot hold it.
int differsFromEnlarged(const QImage &big, const QImage &small, int factor, QPoint at = QPoint())
{
    if (!big.rect().contains(QRect(at, small.size() * factor)))
        return -1;
    int n = 0;
    for (int y = 0; y < small.height() * factor; ++y)
        for (int x = 0; x < small.width() * factor; ++x)
            n += big.pixel(at.x() + x, at.y() + y) != small.pixel(x / factor, y / factor);
    return n;
}

} // namespace

TEST(PanelScaleFile, KeepsTheChoiceAndADamagedFileGivesTheOriginalSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("harune/panel.conf"));
    EXPECT_EQ(PanelScale::load(path), PanelScale());
    const PanelScale chosen{3, true, QStringLiteral("HDMI-1")};
    ASSERT_TRUE(PanelScale::save(path, chosen));
    EXPECT_EQ(PanelScale::load(path), chosen);
    EXPECT_EQ(readAll(path), QByteArray("scale=3\nfullscreen=1\nscreen=HDMI-1\n"));

    for (const QByteArray &damaged : {QByteArray("scale=7\n"), QByteArray("scale=0\n"), QByteArray("scale=three\n"),
                                      QByteArray("scale=2\nfullscreen=2\n"), QByteArray("scale=2\n") + QByteArray(5000, '#')}) {
        ASSERT_NO_FATAL_FAILURE(writeAll(path, damaged));
        EXPECT_TRUE(PanelScale::load(path).isOriginal()) << damaged.left(40).toStdString();
    }
    // Unknown lines are passed over; a screen name with a line break in it is not one.
    ASSERT_NO_FATAL_FAILURE(writeAll(path, "# mine\nscale=4\ncolour=red\nscreen=DP\x01\n"));
    EXPECT_EQ(PanelScale::load(path), (PanelScale{4, false, QString()}));
}

TEST(PanelScaleFit, FullScreenTakesTheLargestWholeEnlargementThatFitsCentred)
{
    const QSize panel(642, 314);
    EXPECT_EQ(PanelScale::fittingFactor(panel, QSize(1920, 1080)), 2);
    EXPECT_EQ(PanelScale::centred(panel, 2, QSize(1920, 1080)), QRect(318, 226, 1284, 628));
    EXPECT_EQ(PanelScale::fittingFactor(panel, QSize(2560, 1440)), 3);
    EXPECT_EQ(PanelScale::fittingFactor(panel, QSize(7680, 4320)), 4);
    EXPECT_EQ(PanelScale::fittingFactor(panel, QSize(640, 480)), 1);
}

class ScaledPanel : public AppFixture
{
protected:
    void prepareSettings() override
    {
        services.panelScaleFile = settingsDir.filePath(QStringLiteral("panel.conf"));
        services.scrollClock = &scrollClock;
    }

    void showStopWithLongName()
    {
        forms->options().change([](settings::OptionRecords &r) { r.folder.FareDataDir = DemoFolder; });
        driver().keyInRoute(QStringLiteral("1"), QStringLiteral("1"));
        driver().stepTo(7); // 市立総合医療センター前, which scrolls
        QApplication::processEvents();
    }

    QImage viewPicture()
    {
        QApplication::processEvents();
        return panel().scaledView()->grab().toImage();
    }

    controls::ManualScrollClock scrollClock;
};

TEST_F(ScaledPanel, ThreeTimesIsTheOnePanelEnlargedPixelForPixel)
{
    showStopWithLongName();
    const QImage original = panel().grab().toImage();
    panel().applyScale({3, false, QString()});
    ASSERT_NE(panel().scaledView(), nullptr);
    EXPECT_EQ(panel().scaledView()->size(), QSize(1926, 942));
    EXPECT_EQ(differsFromEnlarged(viewPicture(), original, 3), 0);

    // What the panel paints later reaches the view: fares, the name, its scroll.
    console().Command2[1]->click();
    scrollClock.advance(1500);
    panel().ChimeiCtl->advanceScroll();
    const QImage later = panel().grab().toImage();
    EXPECT_GT(differsFromEnlarged(later, original, 1), 0);
    EXPECT_EQ(differsFromEnlarged(viewPicture(), later, 3), 0);

    // The rounded outline, enlarged alike.
    const QRegion outline = panel().scaledView()->mask();
    for (QPoint p : {QPoint(0, 0), QPoint(2, 2), QPoint(3, 3), QPoint(1925, 941), QPoint(1923, 939), QPoint(960, 0)})
        EXPECT_EQ(outline.contains(p), panel().mask().contains(QPoint(p.x() / 3, p.y() / 3))) << p.x() << "," << p.y();
}

TEST_F(ScaledPanel, TheMenuChoosesAndKeepsTheSizeAndOneTimesGivesTheOriginalWindowBack)
{
    const QImage original = panel().grab().toImage();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(300, 200), panel().mapToGlobal(QPoint(300, 200)));
    QApplication::sendEvent(&panel(), &rightClick);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction *action : menu->actions())
        items << action->text();
    EXPECT_EQ(items, (QStringList{"等倍 (1×)", "2倍 (2×)", "3倍 (3×)", "4倍 (4×)", "", "全画面表示"}));
    menu->actions()[2]->trigger();
    menu->close();
    EXPECT_EQ(panel().scale(), (PanelScale{3, false, QString()}));
    EXPECT_TRUE(panel().scaledView()->isVisible());
    EXPECT_TRUE(panel().testAttribute(Qt::WA_DontShowOnScreen));
    // The panel's controls still count as shown, off the screen.
    EXPECT_TRUE(panel().ChimeiCtl->isVisible());
    EXPECT_EQ(PanelScale::load(services.panelScaleFile).factor, 3);

    // Full screen: the largest enlargement that fits the screen, centred on black.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    panel().chooseScale({3, true, QGuiApplication::primaryScreen()->name()});
    const int f = PanelScale::fittingFactor(original.size(), screen.size());
    const QRect face = PanelScale::centred(original.size(), f, screen.size());
    QImage full = viewPicture();
    EXPECT_EQ(full.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(full.pixel(face.topLeft()), qRgb(0, 0, 0)); // the rounded corner
    EXPECT_EQ(differsFromEnlarged(full.copy(face.adjusted(f, f, -f, -f)), original.copy(1, 1, 640, 312), f), 0);
    EXPECT_TRUE(PanelScale::load(services.panelScaleFile).fullScreen);

    // The same start again comes up as it was left.
    restart();
    ASSERT_NE(panel().scaledView(), nullptr);
    EXPECT_TRUE(panel().scaledView()->fillsScreen());

    panel().chooseScale({1, false, QString()});
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel().scaledView(), nullptr);
    EXPECT_FALSE(panel().testAttribute(Qt::WA_DontShowOnScreen));
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(differsFromEnlarged(panel().grab().toImage(), original, 1), 0);
    EXPECT_TRUE(PanelScale::load(services.panelScaleFile).isOriginal());
}

TEST_F(ScaledPanel, ADoubleClickOnAnEnlargedCellReachesThatCellOnly)
{
    panel().applyScale({2, false, QString()});
    int cellSevenClicks = 0;
    for (int i = 1; i <= 30; ++i)
        panel().Degit[i]->setUserSet(false); // no settings dialog to answer
    QObject::connect(panel().Degit[7], &controls::M_Degit::DblClick, [&] { ++cellSevenClicks; });
    const auto doubleClick = [this](QPoint onPanel) {
        const QPoint at = onPanel * 2 + QPoint(1, 1);
        QMouseEvent event(QEvent::MouseButtonDblClick, at, panel().scaledView()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel().scaledView(), &event);
    };
    doubleClick(panel().Degit[7]->geometry().center());
    EXPECT_EQ(cellSevenClicks, 1);
    doubleClick(panel().Degit[8]->geometry().center());
    doubleClick(QPoint(20, 100)); // the face
    EXPECT_EQ(cellSevenClicks, 1);
}
