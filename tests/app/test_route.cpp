#include "../controls/DigitReader.h"
#include "AppFixture.h"
#include "UserView.h"
#include "app/EntryFrame.h"
#include "base/Cp932.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "fare/Hy3Writer.h"
#include "settings/ColorButton.h"
#include "settings/DigitPage.h"
#include "settings/FolderPage.h"
#include "settings/SoundPage.h"
#include "settings/StopNamePage.h"
#include "settings/frmOption.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using controls::DegitValue;

namespace {

constexpr base::OleColor Red = 0x0000FF;

// A route whose stop r charges 100 * r + i for ticket i (tickets issued up to stop r), with the
// ticket number r and the column 150 holding r % 4.
std::vector<fare::Hy3Record> makeRoute(int stops)
{
    std::vector<fare::Hy3Record> records;
    for (int r = 1; r <= stops; ++r) {
        fare::Hy3Record rec;
        rec.Name = base::Cp932::fromUnicode(QStringLiteral("停留所%1").arg(r));
        rec.TicketNo = static_cast<int16_t>(r);
        for (int i = 1; i <= 30; ++i)
            rec.Fares[i - 1] = static_cast<int16_t>(i < r ? 100 * r + i : 0);
        rec.Fares[149] = static_cast<int16_t>(r % 4);
        records.push_back(rec);
    }
    return records;
}

} // namespace

class Route : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        options().folderPage().Text2[0]->setText(dir.path());
        // Lit digits in pure red on black, so that pixels tell lit from unlit.
        options().digitPage().Command8[0]->setBackColor(0);
        options().digitPage().Command8[2]->setBackColor(Red);
        options().SetProp();
    }

    settings::frmOption &options() { return forms->optionsWindow(); }

    void writeRoute(const QString &file, const std::vector<fare::Hy3Record> &records)
    {
        ASSERT_TRUE(fare::Hy3Writer::WriteFile(dir.filePath(file), records));
    }

    void writeBytes(const QString &file, const QByteArray &bytes)
    {
        QFile f(dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Route and section typed on the keypad, then "リセット".
    void keypadSet(const QString &route, const QString &section) { driver().keyInRoute(route, section); }

    void selectDigits(std::array<QListWidget *, 5> &lists, const QString &digits)
    {
        for (int j = 0; j < digits.size(); ++j)
            lists[j]->setCurrentRow(digits[j].digitValue());
    }

    DegitValue cell(int i) { return panel().Degit[i]->Value(); }
    QString shown(int i) { return DigitReader(1, 0, Red).read(panel().Degit[i]->surface()); }

    QTemporaryDir dir;
};

TEST_F(Route, KeypadEntryFillsTheDisplays)
{
    for (int k : {1, 2})
        console().CommandButton1[k]->click();
    EXPECT_EQ(console().Label2[2]->text(), QStringLiteral("12"));
    EXPECT_EQ(console().Label2[0]->text(), QString());
    console().CommandButton1[10]->click();
    for (int k : {1, 2, 3, 4, 5, 6})
        console().CommandButton1[k]->click();
    EXPECT_EQ(console().Label2[0]->text(), QStringLiteral("12345"));
    console().CommandButton1[11]->click();
    for (int k : {9, 8, 7, 6})
        console().CommandButton1[k]->click();
    EXPECT_EQ(console().Label2[2]->text(), QStringLiteral("987"));
    // Every key plays the keypad sound on S1 without waiting.
    ASSERT_EQ(played.size(), 14u);
    EXPECT_EQ(played.back().tag, QStringLiteral("S1"));
    EXPECT_FALSE(played.back().wait);
}

TEST_F(Route, DigitListsLoadTheRouteByItsNumberAndKeepTheZeros)
{
    writeRoute(QStringLiteral("12.hy3"), makeRoute(6));
    options().soundPage().txtSelectSound[0]->setText(QStringLiteral("/sounds/route.wav"));
    options().soundPage().txtSelectSound[1]->setText(QStringLiteral("/sounds/key.wav"));
    options().digitPage().Check3[2]->setChecked(true);
    options().digitPage().Combo4[2]->setCurrentIndex(29);
    console().Frame1_DblClick(1);
    selectDigits(console().List2, QStringLiteral("00012"));
    std::array<QListWidget *, 5> sections{console().List3[0], console().List3[1], console().List3[2], nullptr, nullptr};
    selectDigits(sections, QStringLiteral("002"));
    played.clear();
    console().Command1[0]->click();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(forms->route().RowCount(), 6);
    EXPECT_EQ(forms->route().CurIndex(), 1);
    EXPECT_EQ(cell(30), DegitValue(QStringLiteral("00012")));
    ASSERT_FALSE(played.empty());
    EXPECT_EQ(played.front().path, QStringLiteral("/sounds/route.wav"));
    EXPECT_EQ(played.front().tag, QStringLiteral("S1"));
}

TEST_F(Route, RouteSettingRunsTheLampTestAndShowsTheStartingStop)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(5));
    std::vector<QString> duringLampTest;
    keypadSet(QStringLiteral("1"), QString());
    EXPECT_EQ(sleeper.total, 3000);
    EXPECT_TRUE(console().Command2[1]->isEnabled());
    EXPECT_TRUE(console().Command2[0]->isEnabled());
    EXPECT_TRUE(console().Check1->isEnabled());
    EXPECT_EQ(forms->route().CurIndex(), 0);
    EXPECT_EQ(forms->controller().TicketDate(), QStringLiteral("12-07-2026"));
    // Row 1 charges nothing yet: every cell blank.
    EXPECT_EQ(shown(1), QStringLiteral("    "));
    EXPECT_EQ(cell(1), DegitValue(0));
}

TEST_F(Route, ScreenReaderReadsTheFaresAndTheStopNameAfterEachStep)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(5));
    options().stopNamePage().Combo6->setCurrentIndex(1);
    options().SetProp();
    auto reading = [](QWidget *w) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
        return std::pair(iface->text(QAccessible::Name), iface->textInterface()->text(0, -1));
    };
    keypadSet(QStringLiteral("1"), QString());
    // The first stop is shown without "次は", and read so.
    EXPECT_EQ(reading(panel().ChimeiCtl), std::pair(QStringLiteral("停留所1"), QStringLiteral("停留所1")));
    EXPECT_EQ(reading(panel().Degit[1]), std::pair(QStringLiteral("整理券 1 の運賃"), QString()));
    console().Command2[1]->click();
    // Row 2 charges 201 for ticket 1 and nothing yet for ticket 2.
    EXPECT_EQ(reading(panel().Degit[1]), std::pair(QStringLiteral("整理券 1 の運賃"), QStringLiteral("201")));
    EXPECT_EQ(reading(panel().Degit[2]), std::pair(QStringLiteral("整理券 2 の運賃"), QString()));
    EXPECT_EQ(reading(panel().ChimeiCtl).first, QStringLiteral("次は停留所2"));
    console().Command2[1]->click();
    EXPECT_EQ(reading(panel().Degit[2]).second, QStringLiteral("302"));
    EXPECT_EQ(reading(panel().ChimeiCtl).second, QStringLiteral("次は停留所3"));
}

TEST_F(Route, SectionsAreNormalisedAndCheckedAgainstTheRecordCount)
{
    writeRoute(QStringLiteral("3.hy3"), makeRoute(5));
    keypadSet(QStringLiteral("3"), QStringLiteral("0"));
    EXPECT_EQ(forms->route().CurIndex(), 0);
    keypadSet(QStringLiteral("3"), QStringLiteral("4"));
    EXPECT_EQ(forms->route().CurIndex(), 3);
    EXPECT_TRUE(messages.shown.empty());
    keypadSet(QStringLiteral("3"), QStringLiteral("5"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい."));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("ハルネVer4"));
    EXPECT_EQ(messages.shown[0].icon, ui::MessagePresenter::Icon::None);
    keypadSet(QStringLiteral("3"), QStringLiteral("450"));
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(forms->route().CurIndex(), 3);
}

TEST_F(Route, RefusedFilesLeaveTheLoadedRouteSteppable)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(5));
    keypadSet(QStringLiteral("1"), QString());
    console().Command2[1]->click();
    ASSERT_EQ(forms->route().CurIndex(), 1);

    keypadSet(QStringLiteral("9"), QString());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("指定した系統のデータがありません..."));

    // A count of 0 is refused even with records after it.
    QByteArray zero = fare::Hy3Writer::Encode(makeRoute(2));
    zero[0] = 0;
    zero[1] = 0;
    writeBytes(QStringLiteral("4.hy3"), zero);
    keypadSet(QStringLiteral("4"), QString());
    EXPECT_EQ(messages.shown.back().text, QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります..."));

    // Truncated and oversized files.
    writeBytes(QStringLiteral("5.hy3"), fare::Hy3Writer::Encode(makeRoute(3)).left(500));
    keypadSet(QStringLiteral("5"), QString());
    EXPECT_EQ(messages.shown.size(), 3u);
    writeRoute(QStringLiteral("6.hy3"), makeRoute(302));
    keypadSet(QStringLiteral("6"), QString());
    EXPECT_EQ(messages.shown.size(), 4u);

    EXPECT_EQ(forms->route().RowCount(), 5);
    console().Command2[1]->click();
    EXPECT_EQ(forms->route().CurIndex(), 2);
    EXPECT_EQ(cell(2), DegitValue(302));
}

TEST_F(Route, StepsShowTheFaresOfEachStopFromTheStartingSection)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(8));
    keypadSet(QStringLiteral("1"), QStringLiteral("5"));
    for (int step = 0; step < 3; ++step) {
        console().Command2[1]->click();
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(cell(i), DegitValue(0)) << "cell " << i;
    }
    // Row 8: cells 5 to 7 charge 805 to 807.
    EXPECT_EQ(forms->route().CurIndex(), 7);
    EXPECT_EQ(shown(5), QStringLiteral(" 805"));
    EXPECT_EQ(shown(7), QStringLiteral(" 807"));
    EXPECT_EQ(shown(8), QStringLiteral("    "));
}

TEST_F(Route, LateNightDoublesAtTheNextStepAndLeavesMinusOneAlone)
{
    auto records = makeRoute(4);
    records[1].Fares[2] = 230;
    records[2].Fares[2] = 230;
    records[2].Fares[3] = -1;
    writeRoute(QStringLiteral("1.hy3"), records);
    keypadSet(QStringLiteral("1"), QString());
    console().Command2[1]->click();
    EXPECT_EQ(cell(3), DegitValue(230));
    console().Check2->setChecked(true);
    EXPECT_EQ(cell(3), DegitValue(230));
    console().Command2[1]->click();
    EXPECT_EQ(cell(3), DegitValue(460));
    EXPECT_EQ(shown(3), QStringLiteral(" 460"));
    EXPECT_EQ(cell(4), DegitValue(-1));
}

TEST_F(Route, TheEndsOfTheRouteDoNothing)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(3));
    options().soundPage().txtSelectSound[7]->setText(QStringLiteral("/sounds/step.wav"));
    keypadSet(QStringLiteral("1"), QString());
    played.clear();
    panel().Degit[1]->setValue(QStringLiteral("77"));
    console().Command2[0]->click();
    EXPECT_TRUE(played.empty());
    EXPECT_EQ(cell(1), DegitValue(QStringLiteral("77")));
    console().Command2[1]->click();
    console().Command2[1]->click();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_EQ(played[0].path, QStringLiteral("/sounds/step.wav"));
    EXPECT_EQ(played[0].tag, QStringLiteral("S2"));
    EXPECT_FALSE(played[0].wait);
    console().Command2[1]->click();
    EXPECT_EQ(played.size(), 2u);
    EXPECT_EQ(forms->route().CurIndex(), 2);
}

TEST_F(Route, StepSoundByColumnValue)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(6));
    options().soundPage().Option2[1]->setChecked(true);
    options().soundPage().Option6[0]->setChecked(true);
    options().soundPage().Combo1->setCurrentIndex(149);
    for (int k = 8; k <= 10; ++k)
        options().soundPage().txtSelectSound[k]->setText(QStringLiteral("/sounds/%1.wav").arg(k));
    keypadSet(QStringLiteral("1"), QString());
    played.clear();
    console().Command2[1]->click(); // row 2: value 2
    ASSERT_EQ(played.size(), 1u);
    EXPECT_EQ(played[0].path, QStringLiteral("/sounds/9.wav"));
    EXPECT_TRUE(played[0].wait);
    console().Command2[1]->click(); // row 3: value 3
    console().Command2[1]->click(); // row 4: value 0, no sound but still a step
    EXPECT_EQ(played.size(), 2u);
    EXPECT_EQ(forms->route().CurIndex(), 3);
    EXPECT_EQ(cell(3), DegitValue(403));
}

TEST_F(Route, InformationDigitsWinOverFares)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(5));
    options().digitPage().Check3[0]->setChecked(true);
    options().digitPage().Combo4[0]->setCurrentIndex(29);
    options().digitPage().Check3[4]->setChecked(true);
    options().digitPage().Check3[1]->setChecked(true);
    options().digitPage().Combo4[1]->setCurrentIndex(1);
    keypadSet(QStringLiteral("1"), QString());
    EXPECT_EQ(cell(30), DegitValue(0));
    console().Command2[1]->click();
    console().Command2[1]->click();
    EXPECT_EQ(cell(30), DegitValue(2));
    // Cell 2 would charge 302; the ticket number of row 3 wins.
    EXPECT_EQ(cell(2), DegitValue(3));
    // No column chosen: the column digit is not written.
    options().digitPage().Check3[3]->setChecked(true);
    options().digitPage().Combo4[4]->setCurrentIndex(-1);
    options().digitPage().Combo4[3]->setCurrentIndex(0);
    console().Command2[1]->click();
    EXPECT_EQ(cell(1), DegitValue(401));
}

TEST_F(Route, DisplayClearBlanksAndReleaseShowsTheFaresAgain)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(6));
    keypadSet(QStringLiteral("1"), QStringLiteral("3"));
    console().Command2[1]->click();
    console().Command2[1]->click();
    console().Check1->setChecked(true);
    for (int i : {1, 3, 4})
        EXPECT_EQ(shown(i), QStringLiteral("    "));
    EXPECT_FALSE(console().Frame1[1]->isEnabled());
    EXPECT_FALSE(console().Command2[1]->isEnabled());
    EXPECT_FALSE(console().Frame6->isEnabled());
    EXPECT_TRUE(console().Command4->isEnabled());
    console().Check1->setChecked(false);
    EXPECT_TRUE(console().Frame1[1]->isEnabled());
    EXPECT_TRUE(console().Command2[1]->isEnabled());
    EXPECT_FALSE(panel().Timer1->isActive());
    // Cells below the section stay blank; the others show row 5 again.
    EXPECT_EQ(shown(1), QStringLiteral("    "));
    EXPECT_EQ(shown(3), QStringLiteral(" 503"));
}

TEST_F(Route, FirstStopIsShownWithoutTheNextIsPrefix)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(3));
    options().stopNamePage().Combo6->setCurrentIndex(1);
    options().stopNamePage().Command9[2]->setBackColor(0xFF00FF); // prefix dots in magenta
    options().SetProp();
    auto prefixDots = [this] {
        const QImage strip = panel().ChimeiCtl->stripImage();
        int n = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                n += strip.pixel(x, y) == qRgb(255, 0, 255) ? 1 : 0;
        return n;
    };
    keypadSet(QStringLiteral("1"), QString());
    EXPECT_EQ(prefixDots(), 0);
    EXPECT_EQ(panel().ChimeiCtl->TsugiwaMode(), 1);
    console().Command2[1]->click();
    EXPECT_GT(prefixDots(), 0);
}

TEST_F(Route, ScrollBarsDriveTheDisplayOnlyOnceTheyMove)
{
    EXPECT_EQ(panel().ChimeiCtl->Speed(), 5);
    EXPECT_EQ(panel().ChimeiCtl->ScrollStartWait(), 1500);
    console().HScroll1[0]->setValue(200);
    EXPECT_EQ(console().Label1[0]->text(), QStringLiteral("200"));
    EXPECT_EQ(panel().ChimeiCtl->Speed(), 200);
    EXPECT_EQ(panel().ChimeiCtl->ScrollStartWait(), 0);
}

TEST_F(Route, KeyboardAloneEntersARouteStepsAndSwitchesLateNightFare)
{
    writeRoute(QStringLiteral("12.hy3"), makeRoute(6));
    // The activations asked for at start-up are through before the console is made active.
    QCoreApplication::processEvents();
    showActive(console());
    // Typed on the console's window, as the keyboard does: to the control with the focus.
    auto type = [this](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(console().windowHandle(), Qt::Key(key), modifiers);
    };
    // "系統" 1 2 on the number row, "区間" 2 and "リセット" on the numeric keypad.
    for (int key : {Qt::Key_Slash, Qt::Key_1, Qt::Key_2})
        type(key);
    for (int key : {Qt::Key_Minus, Qt::Key_2})
        type(key, Qt::KeypadModifier);
    EXPECT_EQ(console().Label2[0]->text(), QStringLiteral("12"));
    EXPECT_EQ(console().Label2[2]->text(), QStringLiteral("2"));
    type(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(sleeper.total, 3000);
    EXPECT_EQ(forms->route().CurIndex(), 1);
    EXPECT_EQ(controller().shownStopName(), QStringLiteral("停留所2"));

    type(Qt::Key_PageDown);
    EXPECT_EQ(forms->route().CurIndex(), 2);
    EXPECT_EQ(cell(2), DegitValue(302));
    // Late-night fare shows from the next step on, as the check box does.
    type(Qt::Key_Insert);
    EXPECT_TRUE(console().Check2->isChecked());
    EXPECT_EQ(cell(2), DegitValue(302));
    type(Qt::Key_PageDown);
    EXPECT_EQ(cell(2), DegitValue(804));
    EXPECT_EQ(shown(3), QStringLiteral(" 806"));
    type(Qt::Key_PageUp);
    EXPECT_EQ(forms->route().CurIndex(), 2);
    EXPECT_EQ(cell(2), DegitValue(604));
    EXPECT_EQ(cell(1), DegitValue(0)); // below the starting section

    // Enter on a push button reached with Tab presses that button, not "リセット".
    for (int i = 0; i < 30 && console().focusWidget() != console().Command2[app::DataBack]; ++i)
        type(Qt::Key_Tab);
    type(Qt::Key_Return);
    EXPECT_EQ(forms->route().CurIndex(), 1);
    EXPECT_EQ(controller().shownStopName(), QStringLiteral("停留所2"));
    EXPECT_EQ(sleeper.total, 3000);

    // With the digit lists on top, a digit typed into a list chooses it there; the keypad's
    // display is left alone.
    type(Qt::Key_F6);
    ASSERT_TRUE(console().List2[0]->isVisible());
    console().List2[0]->setFocus(Qt::TabFocusReason);
    type(Qt::Key_7);
    EXPECT_EQ(console().List2[0]->currentRow(), 7);
    EXPECT_EQ(console().Label2[0]->text(), QStringLiteral("12"));

    // Tab reaches the scroll bars; the right arrow key makes the value larger.
    for (int i = 0; i < 30 && console().focusWidget() != console().HScroll1[app::ScrollSpeedBar]; ++i)
        type(Qt::Key_Tab);
    type(Qt::Key_Right);
    type(Qt::Key_Right);
    EXPECT_EQ(controller().scrollValue(app::ScrollSpeedBar), 3);
    EXPECT_EQ(console().Label1[app::ScrollSpeedBar]->text(), QStringLiteral("3"));
}

TEST_F(Route, ConsoleKeysDoNothingWhileADialogIsOpen)
{
    writeRoute(QStringLiteral("1.hy3"), makeRoute(5));
    keypadSet(QStringLiteral("1"), QString());
    showActive(console());
    // The options window, opened by its key, is modal: keys typed meanwhile, wherever they go,
    // leave the console alone.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        opened = true;
        for (QWindow *target : {dialog->windowHandle(), console().windowHandle()})
            for (int key : {Qt::Key_PageDown, Qt::Key_Delete, Qt::Key_F2})
                QTest::keyClick(target, Qt::Key(key));
        dialog->reject();
    });
    QTest::keyClick(console().windowHandle(), Qt::Key_F2);
    EXPECT_TRUE(opened);
    // A window of the console's own that is not modal keeps the keys while it is active.
    QDialog beside(&console());
    showActive(beside);
    QTest::keyClick(beside.windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(forms->route().CurIndex(), 0);
    EXPECT_FALSE(controller().displayCleared());
    beside.hide();
    showActive(console());
    QTest::keyClick(console().windowHandle(), Qt::Key_PageDown);
    EXPECT_EQ(forms->route().CurIndex(), 1);
}
