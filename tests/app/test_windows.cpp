#include "../support/AccessibleNames.h"
#include "AppFixture.h"
#include "UserView.h"
#include "app/EntryFrame.h"
#include "app/PanelDrag.h"
#include "app/ScreenFit.h"
#include "app/TerminationSignals.h"
#include "app/WindowPlacement.h"
#include "controls/M_Degit.h"
#include "settings/SoundPage.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIoEx.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QRadioButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

using controls::DegitValue;

namespace {

// Which route-entry frame lies on top where both overlap.
int visibleEntryFrame(app::frmCtl &console)
{
    const QPoint probe = console.Frame1[0]->geometry().center();
    for (QWidget *w = console.childAt(probe); w; w = w->parentWidget()) {
        if (w == console.Frame1[0])
            return 0;
        if (w == console.Frame1[1])
            return 1;
    }
    return -1;
}

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint local)
{
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Raises a signal in this process and lets the event loop run until the watcher reports it.
int signalReported(app::TerminationSignals &watcher, int number)
{
    int reported = 0;
    QObject::connect(&watcher, &app::TerminationSignals::received, [&](int n) { reported = n; });
    std::raise(number);
    for (QDeadlineTimer deadline(5000); reported == 0 && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return reported;
}

// Answers the cell settings dialog as soon as it is open.
void answerCellDialog(int zeroMode, int shift, int fillZero, bool accept)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox *>(QStringLiteral("zeroMode"))->setCurrentIndex(zeroMode);
        dialog->findChild<QSpinBox *>(QStringLiteral("shift"))->setValue(shift);
        dialog->findChild<QSpinBox *>(QStringLiteral("fillZero"))->setValue(fillZero);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

} // namespace

using StartUp = AppFixture;

TEST_F(StartUp, PlacesBothWindowsAndShowsTheKeypadWithoutAMessage)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(panel().pos(), screen.topLeft());
    EXPECT_EQ(panel().size(), QSize(642, 314));
    EXPECT_EQ(console().frameGeometry().bottomRight(), screen.bottomRight());
    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(console().isVisible());
    EXPECT_FALSE(forms->optionsWindow().isVisible());
    EXPECT_EQ(visibleEntryFrame(console()), 1);
    EXPECT_EQ(forms->controller().EntryMode(), 0);
    EXPECT_TRUE(messages.shown.empty());
    // Channels left open by an earlier run are closed first of all.
    EXPECT_EQ(soundClosings, 1);
}

TEST_F(StartUp, PanelCaptionNamesTheModelAndTheConsoleKeepsItsOwn)
{
    EXPECT_TRUE(panel().windowTitle().startsWith(QStringLiteral("ハルネケーション - 型番:")));
    EXPECT_TRUE(panel().windowTitle().endsWith(QStringLiteral("型番:test_app")));
    EXPECT_EQ(console().windowTitle(), QStringLiteral("集中操作盤"));
}

TEST_F(StartUp, NoSoundAndTabReachesOnlyTheControlsInView)
{
    console().activateWindow();
    QApplication::processEvents();
    // Keypad in view, then the digit lists, then the console widened for the preview.
    for (int step = 0; step < 3; ++step) {
        if (step == 1)
            console().Frame1_DblClick(1);
        if (step == 2)
            console().Check4->setChecked(true);
        const QList<QWidget *> stops = tabStops(&console());
        ASSERT_GE(stops.size(), 3) << step;
        for (QWidget *w : stops)
            EXPECT_TRUE(userCanSee(w)) << step << " " << w->objectName().toStdString();
        EXPECT_EQ(stops.contains(console().Combo1), step == 2);
        EXPECT_EQ(stops.contains(console().List2[0]), step > 0);
    }
    // Passing through the digit lists chooses no digit.
    EXPECT_TRUE(played.empty());
}

TEST_F(StartUp, DigitListsShowAllTenDigitsAndAnswerTheUsersChoice)
{
    forms->optionsWindow().soundPage().txtSelectSound[0]->setText(QStringLiteral("/section.wav"));
    forms->optionsWindow().soundPage().txtSelectSound[1]->setText(QStringLiteral("/route.wav"));
    console().Frame1_DblClick(1);
    for (QListWidget *list : {console().List2[0], console().List2[4], console().List3[2]}) {
        for (int row = 0; row < 10; ++row)
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(row))))
                << list->objectName().toStdString() << " " << row;
    }

    // The focus alone chooses nothing; a key or a click does.
    console().List2[0]->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(played.empty());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(console().List2[0], &down);
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].path, QStringLiteral("/route.wav"));

    QListWidget *section = console().List3[1];
    clickAt(section->viewport(), section->visualItemRect(section->item(9)).center());
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[1].path, QStringLiteral("/section.wav"));
    EXPECT_EQ(section->currentItem()->text(), QStringLiteral("9"));
}

TEST_F(StartUp, EveryConsoleControlHasANameAScreenReaderCanSpeakAndItsKeyInItsTooltip)
{
    const QStringList unnamed = unnamedFocusableControls(&console());
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
    // The digit lists by place, leftmost highest; the controls without a caption that speaks.
    EXPECT_EQ(spokenName(console().List2[0]), QStringLiteral("系統 万の位"));
    EXPECT_EQ(spokenName(console().List2[4]), QStringLiteral("系統 一の位"));
    EXPECT_EQ(spokenName(console().List3[0]), QStringLiteral("区間 百の位"));
    EXPECT_EQ(spokenName(console().List3[2]), QStringLiteral("区間 一の位"));
    EXPECT_EQ(spokenName(console().HScroll1[app::ScrollSpeedBar]), QStringLiteral("スクロール速度"));
    EXPECT_EQ(spokenName(console().HScroll1[app::ScrollWaitBar]), QStringLiteral("スクロール間隔"));
    EXPECT_EQ(spokenName(console().cmdTapeStop), QStringLiteral("停止"));
    EXPECT_EQ(spokenName(console().Check4), QStringLiteral("整理券プレビュー"));
    EXPECT_EQ(spokenName(console().Combo1), QStringLiteral("整理券の会社"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(console().picSeirikenPrev)->text(QAccessible::Name),
              QStringLiteral("整理券プレビュー"));
    // Tab reaches the scroll bars.
    showActive(console());
    const QList<QWidget *> stops = tabStops(&console());
    EXPECT_TRUE(stops.contains(console().HScroll1[0]) && stops.contains(console().HScroll1[1]));
    // Each control's tooltip names its keys.
    EXPECT_EQ(console().Command2[app::DataForward]->toolTip(), QStringLiteral("キー: PgDown"));
    EXPECT_EQ(console().Command1[app::KeypadFrame]->toolTip(), QStringLiteral("キー: Return / Enter"));
    EXPECT_EQ(console().CommandButton1[app::KeyRoute]->toolTip(), QStringLiteral("キー: /"));
    EXPECT_EQ(console().Option4[2]->toolTip(), QStringLiteral("キー: Ctrl+2"));
    EXPECT_TRUE(console().Check4->toolTip().endsWith(QStringLiteral("\nキー: F5")));
}

TEST_F(StartUp, ButtonsThatNeedARouteStartDisabled)
{
    EXPECT_FALSE(console().Command2[0]->isEnabled());
    EXPECT_FALSE(console().Command2[1]->isEnabled());
    EXPECT_FALSE(console().Check1->isEnabled());
    EXPECT_FALSE(console().cmdTapeNext->isEnabled());
    EXPECT_TRUE(console().Command1[1]->isEnabled());
    EXPECT_TRUE(console().Option4[0]->isChecked());
}

TEST_F(StartUp, PanelHasRoundedCornersAndCellsInTheirPlaces)
{
    const QRegion mask = panel().mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(641, 313)));
    EXPECT_TRUE(mask.contains(QPoint(1, 1)));
    EXPECT_TRUE(mask.contains(QPoint(320, 0)));
    EXPECT_EQ(panel().Degit[1]->geometry(), QRect(50, 156, 52, 20));
    EXPECT_EQ(panel().Degit[30]->geometry(), QRect(560, 239, 52, 20));
    EXPECT_EQ(panel().lblSeiriNum[11]->geometry(), QRect(50, 182, 52, 16));
    EXPECT_FALSE(panel().Degit[0]->isVisible());
    EXPECT_FALSE(panel().TimeDegit[0]->isVisible());
    EXPECT_FALSE(panel().Timer1->isActive());
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(panel().Degit[i]->Keta(), 4);
        EXPECT_EQ(panel().Degit[i]->DegitStyle(), 1);
        EXPECT_EQ(panel().Degit[i]->Value(), DegitValue(0));
    }
}

TEST_F(StartUp, KeypadKeysHaveRoundedOutlines)
{
    for (QPushButton *key : console().CommandButton1) {
        EXPECT_FALSE(key->mask().contains(QPoint(2, 2)));
        EXPECT_TRUE(key->mask().contains(QPoint(3, 3)));
        EXPECT_FALSE(key->mask().contains(QPoint(28, 12)));
    }
}

using CellSettings = AppFixture;

TEST_F(CellSettings, DoubleClickOnACellWithoutUserSetDoesNothing)
{
    panel().Degit[5]->setUserSet(false);
    bool dialogOpened = false;
    QTimer::singleShot(0, [&] {
        if (QApplication::activeModalWidget()) {
            dialogOpened = true;
            qobject_cast<QDialog *>(QApplication::activeModalWidget())->reject();
        }
    });
    emit panel().Degit[5]->DblClick();
    QApplication::processEvents();
    EXPECT_FALSE(dialogOpened);
    EXPECT_TRUE(console().isEnabled());
    EXPECT_EQ(panel().Degit[5]->ZeroMode(), 0);
}

TEST_F(CellSettings, ConfirmedSettingsGoToAllThirtyCellsAndKeepTheirValues)
{
    for (int i = 1; i <= 30; ++i)
        panel().Degit[i]->setValue(i * 10);
    bool consoleDisabledMeanwhile = false;
    QTimer::singleShot(0, [&] { consoleDisabledMeanwhile = !console().isEnabled(); });
    answerCellDialog(1, 1, 0, true);
    emit panel().Degit[7]->DblClick();
    EXPECT_TRUE(consoleDisabledMeanwhile);
    EXPECT_TRUE(console().isEnabled());
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(panel().Degit[i]->ZeroMode(), 1) << i;
        EXPECT_EQ(panel().Degit[i]->Shift(), 1) << i;
        EXPECT_EQ(panel().Degit[i]->FillZero(), 0) << i;
        EXPECT_EQ(panel().Degit[i]->Value(), DegitValue(i * 10)) << i;
    }
}

TEST_F(CellSettings, CancelledDialogChangesNoCellAndNothingIsSaved)
{
    panel().Degit[3]->setValue(120);
    answerCellDialog(2, 2, 2, false);
    emit panel().Degit[3]->DblClick();
    for (int i : {3, 4}) {
        EXPECT_EQ(panel().Degit[i]->ZeroMode(), 0) << i;
        EXPECT_EQ(panel().Degit[i]->Shift(), 0) << i;
        EXPECT_EQ(panel().Degit[i]->FillZero(), 0) << i;
    }
    EXPECT_EQ(panel().Degit[3]->Value(), DegitValue(120));
    EXPECT_TRUE(console().isEnabled());

    // What the settings file keeps of the cell at exit is what it had before.
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const settings::IniRecords saved = settings::mdlIniIoEx::decode(file.readAll());
    EXPECT_EQ(saved.degitCells[2].ZeroMode, 0);
    EXPECT_EQ(saved.degitCells[2].Shift, 0);
    EXPECT_EQ(saved.degitCells[2].FillZero, 0);
}

using EntryFrames = AppFixture;

TEST_F(EntryFrames, DoubleClickingTheVisibleFrameTwiceReturnsToTheFirst)
{
    ASSERT_EQ(visibleEntryFrame(console()), 1);
    sendMouse(console().Frame1[1], QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, QPoint(148, 100));
    EXPECT_EQ(visibleEntryFrame(console()), 0);
    EXPECT_EQ(forms->controller().EntryMode(), 1);
    sendMouse(console().Frame1[0], QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, QPoint(148, 100));
    EXPECT_EQ(visibleEntryFrame(console()), 1);
    EXPECT_EQ(forms->controller().EntryMode(), 0);
}

using Shutdown = AppFixture;

TEST_F(Shutdown, AnsweringNoChangesNothing)
{
    panel().Degit[2]->setValue(180);
    messages.answers.push_back(ui::MessagePresenter::Answer::No);
    EXPECT_FALSE(console().close());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("ハルネを終了しますか？"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("ハルネの終了確認"));
    EXPECT_EQ(messages.shown[0].buttons, ui::MessagePresenter::Buttons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, ui::MessagePresenter::Icon::Question);
    EXPECT_TRUE(console().isVisible());
    EXPECT_EQ(quitCalls, 0);
    EXPECT_EQ(panel().Degit[2]->Value(), DegitValue(180));
    EXPECT_FALSE(console().KeyRegions[0].isEmpty());
}

TEST_F(Shutdown, AnsweringYesEndsTheProgram)
{
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    EXPECT_TRUE(console().close());
    EXPECT_EQ(quitCalls, 1);
    EXPECT_EQ(soundClosings, 2);
    EXPECT_TRUE(console().KeyRegions[0].isEmpty());
}

TEST_F(Shutdown, ATerminationSignalEndsTheProgramAsAConfirmedCloseWithoutTheQuestion)
{
    {
        app::TerminationSignals watcher;
        ASSERT_TRUE(watcher.isActive());
        QObject::connect(&watcher, &app::TerminationSignals::received, [this] { console().UnloadConfirmed(); });
        EXPECT_EQ(signalReported(watcher, SIGTERM), SIGTERM);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(quitCalls, 1);
    EXPECT_EQ(soundClosings, 2);
    EXPECT_TRUE(console().KeyRegions[0].isEmpty());
    EXPECT_TRUE(QFile::exists(settingsFile()));

    // Ctrl+C and a hang-up as well; each watcher gives the signals back when it goes.
    for (int number : {SIGINT, SIGHUP}) {
        app::TerminationSignals watcher;
        EXPECT_EQ(signalReported(watcher, number), number);
    }
    struct sigaction now = {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST_F(Shutdown, ThePanelDoesNotCloseOnItsOwn)
{
    EXPECT_FALSE(panel().close());
    EXPECT_TRUE(messages.shown.empty());
}

using PanelDrag = AppFixture;

TEST_F(PanelDrag, OnlyTheLeftButtonMovesThePanel)
{
    const QPoint start = panel().pos();
    sendMouse(&panel(), QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, QPoint(20, 20));
    sendMouse(&panel(), QEvent::MouseMove, Qt::NoButton, Qt::RightButton, QPoint(80, 60));
    sendMouse(&panel(), QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, QPoint(80, 60));
    EXPECT_EQ(panel().pos(), start);

    sendMouse(&panel(), QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPoint(20, 20));
    sendMouse(&panel(), QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, QPoint(80, 60));
    sendMouse(&panel(), QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, QPoint(80, 60));
    EXPECT_EQ(panel().pos(), start + QPoint(60, 40));
}

// A click or double-click on the panel never hands the pointer to the window manager; only a
// press that then travels the drag distance does, once.
TEST(PanelDragDecision, OnlyAPressThatTravelsTheDragDistanceStartsAMove)
{
    using Action = app::PanelDrag::Action;
    app::PanelDrag drag(10);
    const QPoint window(100, 100);
    const QPoint cell(176, 266);

    // A double-click with the usual tremble of the hand.
    for (int click = 0; click < 2; ++click) {
        drag.press(Qt::LeftButton, cell, window);
        EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(3, 2)), Action::None);
        drag.release(Qt::LeftButton);
        EXPECT_EQ(drag.move(Qt::NoButton, cell + QPoint(40, 0)), Action::None);
    }

    // The right button never moves the panel.
    drag.press(Qt::RightButton, cell, window);
    EXPECT_EQ(drag.move(Qt::RightButton, cell + QPoint(40, 40)), Action::None);

    drag.press(Qt::LeftButton, cell, window);
    EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(6, 3)), Action::None);
    EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(6, 4)), Action::StartSystemMove);
    EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(20, 4)), Action::None); // the window manager has it
    drag.release(Qt::LeftButton);

    // Where the window manager refuses, the panel follows with the grabbed point under the pointer.
    drag.press(Qt::LeftButton, cell, window);
    EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(30, 0)), Action::StartSystemMove);
    drag.systemMoveRefused();
    EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(50, 20)), Action::FollowPointer);
    EXPECT_EQ(drag.topLeftFor(cell + QPoint(50, 20)), window + QPoint(50, 20));
    drag.release(Qt::LeftButton);
    EXPECT_EQ(drag.move(Qt::LeftButton, cell + QPoint(60, 20)), Action::None);
}

// A second monitor to the right of the first, one above it, and what becomes of frames that lie
// partly or wholly off them.
TEST(ScreenFitting, FramesComeWhollyOntoTheNearestScreen)
{
    using app::ScreenFit::onScreen;
    const QList<QRect> screens{QRect(0, 0, 1600, 1000), QRect(1600, 0, 1920, 1080), QRect(0, -900, 1600, 900)};
    const QSize console(355, 194);

    const QRect onSecond(QPoint(3000, 800), console);
    EXPECT_EQ(onScreen(onSecond, screens), onSecond);
    const QRect onTop(QPoint(100, -900), console);
    EXPECT_EQ(onScreen(onTop, screens), onTop);
    // Straddling two screens: onto the one it overlaps most.
    EXPECT_EQ(onScreen(QRect(QPoint(1500, 500), console), screens).topLeft(), QPoint(1600, 500));
    EXPECT_EQ(onScreen(QRect(QPoint(1400, 500), console), screens).topLeft(), QPoint(1600 - 355, 500));
    // Far to the right of every screen (60000 twips): to the right edge of the nearest.
    EXPECT_EQ(onScreen(QRect(QPoint(60000 / 15, 100), console), screens).topLeft(), QPoint(3520 - 355, 100));
    // Below and to the left of every screen: the bottom-left corner of the nearest.
    EXPECT_EQ(onScreen(QRect(QPoint(-6000, 2000), console), screens).topLeft(), QPoint(0, 1000 - 194));
    EXPECT_EQ(onScreen(QRect(QPoint(-6000, 133333333), console), screens).topLeft(), QPoint(1600, 1080 - 194));
    // Larger than its screen: the top left stays on it.
    EXPECT_EQ(onScreen(QRect(-50, -950, 2000, 1200), screens).topLeft(), QPoint(0, -900));

    // Widening near the right edge grows leftwards, never past the left edge.
    using app::ScreenFit::widened;
    EXPECT_EQ(widened(QRect(1245, 806, 355, 194), 596, screens[0]), QRect(1004, 806, 596, 194));
    EXPECT_EQ(widened(QRect(100, 806, 355, 194), 596, screens[0]), QRect(100, 806, 596, 194));
    EXPECT_EQ(widened(QRect(1245, 806, 355, 194), 1700, screens[0]).left(), 0);
}

// The console placed before the window manager framed it is placed again once the frame is
// known; a stored position brought onto a screen is written back unchanged until the user moves
// the window.
TEST(WindowPlacementRules, FollowTheFrameAndKeepTheStoredValue)
{
    const QRect screen(0, 0, 1600, 1000);
    app::WindowPlacement corner;
    const QPoint first = corner.bottomRight(QRect(0, 0, 353, 173), QMargins(), screen);
    EXPECT_EQ(first, QPoint(1247, 827));
    // Framed: 1 pixel of border and a 20-pixel title bar.
    const QRect framed(first, QSize(355, 194));
    EXPECT_EQ(corner.frameChanged(framed, QMargins(1, 20, 1, 1)), std::optional<QPoint>(QPoint(1245, 806)));
    EXPECT_EQ(corner.frameChanged(QRect(QPoint(1245, 806), QSize(357, 200)), QMargins(2, 25, 2, 1)), std::nullopt);

    app::WindowPlacement stored;
    const QPoint placed = stored.stored(QPoint(45000, 3000), QRect(0, 0, 353, 173), QMargins(), {screen});
    EXPECT_EQ(placed, QPoint(1600 - 353, 200));
    // Framed round the window where it was: the frame goes where the window was placed.
    EXPECT_EQ(stored.frameChanged(QRect(placed - QPoint(1, 20), QSize(355, 194)), QMargins(1, 20, 1, 1)),
              std::optional<QPoint>(QPoint(1245, 200)));
    EXPECT_EQ(stored.twipsToStore(QPoint(1245, 200)), QPoint(45000, 3000));
    const QRect wide = stored.widened(QRect(1245, 200, 355, 194), 596, screen);
    EXPECT_EQ(stored.twipsToStore(wide.topLeft()), QPoint(45000, 3000));
    EXPECT_EQ(stored.twipsToStore(wide.topLeft() - QPoint(10, 0)), QPoint((1004 - 10) * 15, 3000));
}

using VersionBox = AppFixture;

TEST_F(VersionBox, ShowsFiveLinesWithThePanelDisabled)
{
    QString shownText;
    bool panelDisabled = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownText = dialog->findChild<QLabel *>(QStringLiteral("aboutText"))->text();
        panelDisabled = !panel().isEnabled();
        dialog->accept();
    });
    console().Command8->click();
    EXPECT_TRUE(panelDisabled);
    EXPECT_TRUE(panel().isEnabled());
    const QStringList lines = console().versionText().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6); // five lines, each ended by CR LF
    EXPECT_EQ(lines[0], QStringLiteral("機種：test_app"));
    EXPECT_EQ(lines[1], QStringLiteral("バージョン：4.0.0  ServiceRelease 1"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("2026")));
    EXPECT_EQ(lines[5], QString());
    EXPECT_EQ(shownText, console().versionText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

using OptionsButton = AppFixture;

TEST_F(OptionsButton, ShowsTheOptionsModallyWithPanelAndConsoleDisabled)
{
    bool bothDisabled = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("オプション"));
        bothDisabled = !panel().isEnabled() && !console().isEnabled();
        dialog->findChild<QPushButton *>(QStringLiteral("Command4"))->click();
    });
    console().Command4->click();
    EXPECT_TRUE(bothDisabled);
    EXPECT_TRUE(panel().isEnabled());
    EXPECT_TRUE(console().isEnabled());
    EXPECT_FALSE(forms->optionsWindow().isVisible());
}
