// The console controller without its windows: what each action does, in what order, and what
// a refused or impossible action leaves alone.

#include "HeadlessServices.h"
#include "RecordingViews.h"
#include "ThreeStopRoute.h"
#include "app/ConsoleController.h"
#include "app/ConsoleDriver.h"
#include "base/Cp932.h"
#include "fare/Hy3Writer.h"
#include "settings/Options.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using app::ActionResult;
using app::CheckValue;
using app::ConsoleControl;
using app::ConsoleController;

class Console : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bool written = false;
        options.change([&](settings::OptionRecords &r) {
            written = useThreeStopRoute(dir.path(), r);
            r.chimei.ChimeiTsugiwaMode = 1;
            // The stop order on cell 30, over the fare.
            r.degit.InfoOrderUse = 1;
            r.degit.InfoOrderCell = 29;
        });
        ASSERT_TRUE(written);
        views.panel.tsugiwa = 1;
        headless.log = &log;
        console = std::make_unique<ConsoleController>(headless.appServices(), options, views.views());
        QObject::connect(console.get(), &ConsoleController::shownStopChanged, [this](int row) { shownRows << row; });
    }

    // Route 1 set at section 1, and the log started afresh.
    void setRouteOne()
    {
        ASSERT_TRUE(app::ConsoleDriver(*console).keyInRoute(QStringLiteral("1"), QStringLiteral("1")).done);
        log.clear();
        shownRows.clear();
    }

    // The log without the fare cells' writes and the keypad's echo.
    QStringList effects() const
    {
        return without(log, {QStringLiteral("panel cell "), QStringLiteral("play /key.wav"), QStringLiteral("console keypad")});
    }

    QTemporaryDir dir;
    QStringList log;
    QList<int> shownRows;
    HeadlessServices headless;
    settings::Options options{QDate(2026, 12, 7)};
    RecordingViews views{log};
    std::unique_ptr<ConsoleController> console;
};

TEST_F(Console, RouteSettingDoesItsStepsInTheUnitsOrder)
{
    for (app::KeypadKey key : {app::KeyRoute, app::Key1, app::KeySection, app::Key1})
        ASSERT_TRUE(console->pressKey(key).done);
    log.clear();
    const ActionResult result = console->setRoute(app::KeypadFrame);
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(effects(), (QStringList{
                             "play /route.wav S1",
                             // No broadcast data for route 1: the tape stays off.
                             "console enable TapeGroup off",
                             "panel tsugiwa 0",
                             "panel name 系統選別中",
                             "panel tsugiwa 1",
                             "panel cells lit",
                             "panel paints through",
                             "sleep 3000",
                             "console enable DataBack on",
                             "console enable DataForward on",
                             "console enable DisplayClear on",
                             "panel tsugiwa 1",
                             "console ticket preview 1 停留所1",
                             "panel events run",
                             // The first stop is shown without "次は".
                             "panel tsugiwa 0",
                             "panel name 停留所1",
                             "panel tsugiwa 1",
                         }));
    // After the lamp test every cell goes to 0, then the fares of stop 1 and the stop order.
    const QStringList cells = log.filter(QStringLiteral("panel cell "));
    ASSERT_EQ(cells.size(), 30 + 30 + 1);
    EXPECT_EQ(cells[0], QStringLiteral("panel cell 1 0"));
    EXPECT_EQ(cells[29], QStringLiteral("panel cell 30 0"));
    EXPECT_EQ(cells[30], QStringLiteral("panel cell 1 11"));
    EXPECT_EQ(cells[59], QStringLiteral("panel cell 30 40"));
    EXPECT_EQ(cells[60], QStringLiteral("panel cell 30 1"));
    EXPECT_GT(log.indexOf(QStringLiteral("panel cell 1 0")), log.indexOf(QStringLiteral("sleep 3000")));

    EXPECT_EQ(console->route().RouteNo(), QStringLiteral("1"));
    EXPECT_EQ(console->TicketDate(), QStringLiteral("12-07-2026"));
    EXPECT_EQ(console->shownRow(), 1);
    EXPECT_EQ(console->shownStopName(), QStringLiteral("停留所1"));
    EXPECT_EQ(console->shownFares()[2], std::optional<int16_t>(13));
    EXPECT_EQ(shownRows, QList<int>{1});
}

TEST_F(Console, ARefusedRouteChangesNothingButSaysWhy)
{
    setRouteOne();
    ASSERT_TRUE(console->step(app::DataForward).done);
    log.clear();
    shownRows.clear();

    const ActionResult missing = app::ConsoleDriver(*console).keyInRoute(QStringLiteral("9"), QString());
    EXPECT_FALSE(missing.done);
    EXPECT_EQ(missing.message, QStringLiteral("指定した系統のデータがありません..."));
    EXPECT_EQ(effects(), (QStringList{"play /route.wav S1", "console message 指定した系統のデータがありません..."}));

    log.clear();
    const ActionResult section = app::ConsoleDriver(*console).keyInRoute(QStringLiteral("1"), QStringLiteral("3"));
    EXPECT_FALSE(section.done);
    EXPECT_EQ(section.message, QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい."));
    EXPECT_EQ(effects().size(), 2);

    // Route 1 is still loaded at stop 2, and still steps.
    EXPECT_EQ(console->route().RouteNo(), QStringLiteral("1"));
    EXPECT_EQ(console->route().CurIndex(), 1);
    EXPECT_EQ(console->shownRow(), 2);
    EXPECT_TRUE(shownRows.isEmpty());
    EXPECT_TRUE(console->step(app::DataBack).done);
    EXPECT_EQ(console->shownStopName(), QStringLiteral("停留所1"));
}

TEST_F(Console, AStepPlaysItsSoundThenShowsTheStopAndDoesNothingAtEitherEnd)
{
    setRouteOne();
    EXPECT_FALSE(console->step(app::DataBack).done);
    EXPECT_TRUE(log.isEmpty());

    ASSERT_TRUE(console->step(app::DataForward).done);
    EXPECT_EQ(effects(), (QStringList{"play /step.wav S2", "console ticket preview 2 停留所2", "panel events run",
                                      "panel tsugiwa 1", "panel name 停留所2"}));
    ASSERT_TRUE(console->step(app::DataForward).done);
    log.clear();
    EXPECT_FALSE(console->step(app::DataForward).done);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(console->route().CurIndex(), 2);
    EXPECT_EQ(shownRows, (QList<int>{2, 3}));
}

TEST_F(Console, DisplayClearBlanksThePanelAndHoldsTheEntryUntilReleased)
{
    // Nothing to clear, step or announce before a route is set.
    EXPECT_FALSE(console->setDisplayClear(true).done);
    EXPECT_FALSE(console->step(app::DataForward).done);
    EXPECT_FALSE(console->tapeNext().done);
    EXPECT_TRUE(log.isEmpty());

    setRouteOne();
    ASSERT_TRUE(console->setDisplayClear(true).done);
    EXPECT_EQ(log, (QStringList{"console display clear 1", "panel name ", "panel cells blank", "panel clock stop",
                                "console enable DigitListFrame off", "console enable KeypadFrame off",
                                "console enable DataBack off", "console enable DataForward off",
                                "console enable NightAndScroll off", "console enable TapeGroup off"}));
    EXPECT_EQ(console->shownRow(), 0);

    log.clear();
    EXPECT_FALSE(console->pressKey(app::Key5).done);
    EXPECT_FALSE(console->setRoute(app::KeypadFrame).done);
    EXPECT_FALSE(console->chooseDigit(app::DigitList::Route, 0, 3).done);
    EXPECT_FALSE(console->step(app::DataForward).done);
    EXPECT_FALSE(console->setLateNight(CheckValue::Checked).done);
    EXPECT_FALSE(console->setScroll(app::ScrollSpeedBar, 200).done);
    EXPECT_TRUE(log.isEmpty());
    // The backlight and the preview switch stay usable.
    EXPECT_TRUE(console->setPreviewSwitch(CheckValue::Checked).done);

    log.clear();
    ASSERT_TRUE(console->setDisplayClear(false).done);
    EXPECT_EQ(effects().mid(0, 8), (QStringList{"console display clear 0", "console enable DigitListFrame on",
                                                "console enable KeypadFrame on", "console enable DataBack on",
                                                "console enable DataForward on", "console enable NightAndScroll on",
                                                "console enable TapeGroup off", "console ticket preview 1 停留所1"}));
    EXPECT_EQ(shownRows, (QList<int>{0, 1}));
    EXPECT_TRUE(console->isEnabled(ConsoleControl::DataForward));
}

TEST_F(Console, TheSettingsRecordRestoresTheSwitchesAndKeepsWhatItRefuses)
{
    settings::CtrlDataInfo stored;
    stored.ScrollSpeed = 0; // below the bar's range
    stored.ScrollWait = 700;
    stored.LateNight = 1;
    stored.PreviewOpen = 2;
    stored.EntryMode = 0;
    const settings::IniStatus refused = console->SetCtrlDataInfo(stored);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.description.contains(QStringLiteral("HScroll1_0")));
    // The speed keeps its value, so only the wait reaches the display.
    EXPECT_EQ(log, (QStringList{"console scroll bar 1 700", "panel scroll 1 700", "console preview switch 2",
                                "console late night 1", "console frame back 0"}));

    settings::CtrlDataInfo back;
    console->GetCtrlDataInfo(back);
    EXPECT_EQ(back.ScrollSpeed, 1);
    EXPECT_EQ(back.ScrollWait, 700);
    EXPECT_EQ(back.LateNight, 1);
    EXPECT_EQ(back.PreviewOpen, 2);
    EXPECT_EQ(back.EntryMode, 0);
    EXPECT_TRUE(console->lateNight());

    // Late-night fare shows at the next update: doubled fares.
    setRouteOne();
    EXPECT_EQ(views.panel.cells[3], QStringLiteral("26"));
}

TEST_F(Console, TheBacklightShowsItsPictureAndColourAndSaysWhenAPictureFails)
{
    EXPECT_FALSE(console->setBacklight(settings::Backlight::Off).done); // already OFF
    ASSERT_TRUE(console->setBacklight(settings::Backlight::On1).done);
    EXPECT_EQ(log, (QStringList{"console backlight 1", "panel picture built-in 1", "panel numbers c0ffc0"}));

    // A user's picture that is not a picture: the state is taken, the panel keeps its picture.
    const QString notes = dir.filePath(QStringLiteral("notes.bmp"));
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("only text\n");
    file.close();
    options.change([&](settings::OptionRecords &r) {
        r.panel.PanelAuto = 0;
        r.panel.PanelManual = -1;
        r.panel.PanelOn2Builtin = 0;
        r.panel.PanelOn2User = -1;
        r.panel.PanelFile[2] = notes;
    });
    log.clear();
    const ActionResult result = console->setBacklight(settings::Backlight::On2);
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(result.message.contains(QStringLiteral("エラーコード：481")));
    EXPECT_EQ(views.console.messages, QStringList{result.message});
    EXPECT_TRUE(log.filter(QStringLiteral("panel picture")).isEmpty());
    EXPECT_EQ(console->backlight(), settings::Backlight::On2);
}
