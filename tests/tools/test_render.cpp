// The panel drawn by the tool against the panel of the program driven on its console.
#include "../app/AppFixture.h"
#include "../fare/FareFiles.h"
#include "../support/FileSizeLimit.h"
#include "731-tool/CommandTable.h"
#include "731-tool/PanelRenderer.h"
#include "731-tool/RenderCommand.h"
#include "ToolRun.h"
#include "base/AtomicFile.h"
#include "fare/RoutePath.h"
#include "settings/Options.h"
#include "settings/mdlIniIoEx.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>

using tool::PanelScene;
using tool::RenderPanel;

namespace {

PanelScene demoScene()
{
    PanelScene scene;
    scene.fareDir = tooltest::DemoFile(QString());
    scene.route = QStringLiteral("1");
    return scene;
}

int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

} // namespace

using RenderMatchesTheProgram = AppFixture;

TEST_F(RenderMatchesTheProgram, DemoRouteOneAtStopThree)
{
    forms->options().change([](settings::OptionRecords &r) { r.folder.FareDataDir = tooltest::DemoFile(QString()); });
    driver().keyInRoute(QStringLiteral("1"), QStringLiteral("1"));
    console().Command2[1]->click();
    console().Command2[1]->click();
    const QImage program = panel().grab().toImage();

    PanelScene scene = demoScene();
    scene.stop = 3;
    const auto rendering = RenderPanel(scene);
    ASSERT_TRUE(rendering.error.isEmpty()) << rendering.error.toStdString();
    EXPECT_EQ(rendering.image.size(), QSize(642, 314));
    EXPECT_EQ(differingPixels(rendering.image, program), 0);
}

TEST(Render, RefusedRoutesGiveTheProgramsMessage)
{
    PanelScene scene = demoScene();
    scene.section = 30;
    EXPECT_EQ(RenderPanel(scene).error, QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい."));
    scene = demoScene();
    scene.route = QStringLiteral("77");
    EXPECT_EQ(RenderPanel(scene).error, QStringLiteral("指定した系統のデータがありません..."));
    scene = demoScene();
    scene.stop = 40;
    EXPECT_TRUE(RenderPanel(scene).error.contains(QStringLiteral("beyond the last stop")));
}

TEST(Render, OptionsChangeThePicture)
{
    PanelScene scene = demoScene();
    scene.stop = 5;
    const QImage plain = RenderPanel(scene).image;
    scene.lateNight = true;
    const QImage doubled = RenderPanel(scene).image;
    EXPECT_GT(differingPixels(plain, doubled), 0);

    // A scrolling name moves with time.
    scene = demoScene();
    scene.stop = 7; // 市立総合医療センター前, eleven units
    const QImage atStart = RenderPanel(scene).image;
    scene.scrollMs = 2000;
    const QImage later = RenderPanel(scene).image;
    EXPECT_GT(differingPixels(atStart, later), 0);
}

TEST(Render, SettingsFileIsAppliedAsAtStartUp)
{
    QTemporaryDir dir;
    settings::IniRecords records = settings::IniRecords::initial(QDate(2026, 12, 7));
    records.degit.DegitBackColor = 0x0000FF; // red cell backgrounds
    records.folder.FareDataDir = tooltest::DemoFile(QString());
    const QString file = dir.filePath(QStringLiteral("mine.in4"));
    ASSERT_TRUE(tooltest::WriteAll(file, settings::mdlIniIoEx::encode(records)));
    PanelScene scene = demoScene();
    scene.fareDir.clear(); // the folder the settings file names
    scene.settingsFile = file;
    const auto rendering = RenderPanel(scene);
    ASSERT_TRUE(rendering.error.isEmpty()) << rendering.error.toStdString();
    // Fare cell 30 lies at (560, 239): its background is now red.
    EXPECT_EQ(rendering.image.pixel(560, 239), qRgb(255, 0, 0));
}

TEST(Render, AFullDiskFailsLoudlyAndKeepsTheOldPicture)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("panel.png"));
    const QByteArray old(200, 'p');
    ASSERT_TRUE(tooltest::WriteAll(out, old));
    tool::CommandTable table;
    tool::AddRenderCommand(table);
    std::ostringstream stdOut, stdErr;
    tool::ToolIo io{stdOut, stdErr};
    int status = -1;
    {
        FileSizeLimit limit(1024);
        status = table.run({QStringLiteral("render"), QStringLiteral("--fare-dir"), tooltest::DemoFile(QString()),
                            QStringLiteral("--route"), QStringLiteral("1"), QStringLiteral("--out"), out},
                           io);
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(QString::fromStdString(stdErr.str()).trimmed(),
              QStringLiteral("%1: cannot be written: %2").arg(out, base::AtomicFile::reasonFor(EFBIG)));
    EXPECT_EQ(tooltest::ReadAll(out), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("panel.png")});
}

TEST(RenderRun, EveryStopAsItsOwnRenderFramesInOrderAndEnlarged)
{
    QTemporaryDir dir;
    std::vector<fare::Hy3Record> records = faretest::Stops(3);
    records[1].Name = base::Cp932::fromUnicode(QStringLiteral("市立総合医療センター前")); // scrolls
    ASSERT_TRUE(faretest::WriteBytes(fare::FareFilePath(dir.path(), QStringLiteral("12")), faretest::Encode(records)));
    const QString out = dir.filePath(QStringLiteral("run"));
    tool::CommandTable table;
    tool::AddRenderCommand(table);
    const auto run = [&](QStringList extra) {
        std::ostringstream stdOut, stdErr;
        tool::ToolIo io{stdOut, stdErr};
        const QStringList args = QStringList{QStringLiteral("render"), QStringLiteral("--fare-dir"), dir.path(),
                                             QStringLiteral("--route"), QStringLiteral("12")}
                                 + extra;
        return tooltest::ToolRun{table.run(args, io), QString::fromStdString(stdOut.str()),
                                 QString::fromStdString(stdErr.str())};
    };
    const tooltest::ToolRun written = run({"--all-stops", "--out-dir", out, "--scroll-fps", "2", "--seconds-per-stop", "1"});
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    EXPECT_EQ(written.out.trimmed(), out + QStringLiteral(": 3 stop pictures, 6 frames (2 a stop at 2 a second)"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 9);

    PanelScene scene;
    scene.fareDir = dir.path();
    scene.route = QStringLiteral("12");
    const auto single = [&](int stop, int scrollMs) {
        scene.stop = stop;
        scene.scrollMs = scrollMs;
        return RenderPanel(scene).image;
    };
    const auto picture = [&](const QString &name) { return QImage(QDir(out).filePath(name)); };
    for (int stop = 1; stop <= 3; ++stop) {
        const QImage alone = single(stop, 0);
        EXPECT_EQ(differingPixels(picture(QStringLiteral("stop_%1.png").arg(stop, 3, 10, QLatin1Char('0'))), alone), 0) << stop;
        EXPECT_EQ(differingPixels(picture(QStringLiteral("frame_%1.png").arg(2 * stop - 1, 6, 10, QLatin1Char('0'))), alone), 0) << stop;
    }
    // The second frame of the scrolling stop, half a second after it was shown.
    const QImage halfSecond = single(2, 500);
    EXPECT_GT(differingPixels(halfSecond, single(2, 0)), 0);
    EXPECT_EQ(differingPixels(picture(QStringLiteral("frame_000004.png")), halfSecond), 0);

    // A folder that holds an earlier run is not written into.
    const tooltest::ToolRun again = run({"--all-stops", "--out-dir", out});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err.trimmed(), out + QStringLiteral(": already holds pictures of a run (frame_000001.png); give an empty folder"));

    // A full disk stops the run with the file it could not write; nothing half-written is left.
    const QString full = dir.filePath(QStringLiteral("full"));
    {
        FileSizeLimit limit(1024);
        const tooltest::ToolRun failed = run({"--all-stops", "--out-dir", full});
        EXPECT_EQ(failed.status, 1);
        EXPECT_EQ(failed.err.trimmed(), QStringLiteral("%1: cannot be written: %2")
                                            .arg(QDir(full).filePath(QStringLiteral("stop_001.png")),
                                                 base::AtomicFile::reasonFor(EFBIG)));
    }
    EXPECT_EQ(QDir(full).entryList(QDir::Files), QStringList());

    // Enlarged twice, dot for dot.
    const QString big = dir.filePath(QStringLiteral("big"));
    ASSERT_EQ(run({"--all-stops", "--out-dir", big, "--scale", "2"}).status, 0);
    const QImage small = picture(QStringLiteral("stop_002.png"));
    const QImage enlarged(QDir(big).filePath(QStringLiteral("stop_002.png")));
    ASSERT_EQ(enlarged.size(), QSize(1284, 628));
    int differing = 0;
    for (int y = 0; y < enlarged.height(); ++y)
        for (int x = 0; x < enlarged.width(); ++x)
            differing += enlarged.pixel(x, y) != small.pixel(x / 2, y / 2);
    EXPECT_EQ(differing, 0);
}
