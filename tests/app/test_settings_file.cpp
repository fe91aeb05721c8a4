#include "../support/FileBytes.h"
#include "AppFixture.h"
#include "app/EntryFrame.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "settings/ColorButton.h"
#include "settings/FolderPage.h"
#include "settings/Options.h"
#include "settings/PanelPage.h"
#include "settings/SoundPage.h"
#include "settings/TicketPage.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIoEx.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>

using controls::DegitValue;
using settings::IniDecodeInfo;
using settings::IniRecords;
using settings::mdlIniIoEx;

namespace {

// Every option and console setting away from its default.
IniRecords changedRecords()
{
    IniRecords r = IniRecords::initial(QDate(2026, 12, 7));
    r.folder.FareDataDir = QStringLiteral("/home/運転士/運賃");
    r.folder.TpDataDir = QStringLiteral("/home/運転士/放送");
    r.panel.UseSeiriNum = 0;
    r.panel.SeiriNumColor = {0x112233, 0x445566, 0x778899};
    r.panel.SeiriNumStyle = 5;
    r.panel.SeiriNumZero = 1;
    r.panel.PanelAuto = 0;
    r.panel.PanelManual = -1;
    r.panel.PanelOffBuiltin = 0;
    r.panel.PanelOffUser = -1;
    r.panel.PanelFile = {QStringLiteral("/p/off.bmp"), QStringLiteral("/p/on1.gif"), QStringLiteral("/p/on2.jpg")};
    r.degit = {0x010203, 0x040506, 0x0000FF, 1, 29, 1, 1, 3, 1, 4, 1, 149, 5};
    r.chimei = {0x202020, 0x00FF00, 2, 1, 1, 0xFF00FF, 3, 1};
    r.sound.SndKeitou = QStringLiteral("/s/系統.wav");
    r.sound.SndReset = QStringLiteral("/s/reset.wav");
    r.sound.SndStepAlways = 0;
    r.sound.SndStepByColumn = -1;
    r.sound.SndStepSync = -1;
    r.sound.SndStepAsync = 0;
    r.sound.SndStepColumn = 149;
    r.sound.SndStepFile1 = QStringLiteral("/s/1.mid");
    r.sound.SndPreAlways = 0;
    r.sound.SndPreByFlag = -1;
    r.sound.SndPreSync = 0;
    r.sound.SndPreAsync = -1;
    r.sound.SndPreFile3 = QStringLiteral("/s/pre3.wav");
    r.seiriken.UseSeiriPrev = 1;
    r.seiriken.DateEachPrint = 0;
    r.seiriken.DateFixed = -1;
    r.seiriken.FixedDate = QStringLiteral("2027/01/02");
    r.ctrlData = {1, 250, 1200, 1, 0, 30000, 6000};
    r.form = {1500, 3000};
    for (int i = 0; i < 17; ++i)
        r.customColors[i] = static_cast<settings::OleColor>(0x10000 * i + 7);
    for (int i = 0; i < 30; ++i)
        r.degitCells[i] = {static_cast<int16_t>(i % 3), static_cast<int16_t>(i % 4), static_cast<int16_t>(i % 5)};
    return r;
}

} // namespace

// The program started with a settings file beside it.
class WithSettings : public AppFixture
{
protected:
    void prepareSettings() override
    {
        written = mdlIniIoEx::encode(records);
        writeAll(settingsFile(), written);
    }

    IniRecords records = changedRecords();
    QByteArray written;
};

TEST_F(WithSettings, StartUpRestoresTheOptionsTheConsoleAndThePanel)
{
    auto &o = forms->optionsWindow();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(forms->options().fareDataFolder(), QStringLiteral("/home/運転士/運賃"));
    EXPECT_EQ(o.panelPage().Combo2->currentIndex(), 5);
    EXPECT_TRUE(o.panelPage().Option3[1]->isChecked());
    EXPECT_TRUE(o.ticketPage().Option4[2]->isChecked());
    EXPECT_EQ(forms->options().fixedDateText(), QStringLiteral("2027/01/02"));
    EXPECT_EQ(forms->options().records().customColors[16], 0x100007u);
    EXPECT_EQ(console().HScroll1[0]->value(), 250);
    EXPECT_EQ(console().Label1[0]->text(), QStringLiteral("250"));
    EXPECT_EQ(panel().ChimeiCtl->Speed(), 250);
    EXPECT_EQ(panel().ChimeiCtl->ScrollStartWait(), 1200);
    EXPECT_TRUE(console().Check2->isChecked());
    EXPECT_EQ(forms->controller().EntryMode(), 1);
    // The console's place (2000, 400) lies off this screen: it comes wholly onto the screen, as
    // near to it as it can.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(console().frameGeometry())) << console().frameGeometry().x();
    EXPECT_EQ(console().frameGeometry().right(), screen.right());
    EXPECT_EQ(console().pos().y(), 400);
    EXPECT_EQ(panel().pos(), QPoint(100, 200));
    // The panel shows what the options say.
    EXPECT_FALSE(panel().lblSeiriNum[3]->isVisible());
    EXPECT_EQ(panel().lblSeiriNum[1]->text(), QStringLiteral("無　券"));
    EXPECT_EQ(panel().Degit[4]->DegitForeColor(), 0x0000FFu);
    EXPECT_EQ(panel().ChimeiCtl->TsugiwaMode(), 1);
    EXPECT_TRUE(panel().ChimeiCtl->FontBold());
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(panel().Degit[i]->Value(), DegitValue(QStringLiteral(" "))) << i;
        EXPECT_EQ(panel().Degit[i]->Shift(), static_cast<int16_t>((i - 1) % 3)) << i;
        EXPECT_EQ(panel().Degit[i]->ZeroMode(), static_cast<int16_t>((i - 1) % 4)) << i;
    }
}

TEST_F(WithSettings, ClosingWritesBackWhatWasRead)
{
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    // The console's position off this screen too, since no one moved the console.
    EXPECT_EQ(readAll(settingsFile()), written);
}

TEST_F(WithSettings, AWindowTheUserMovedIsStoredWhereItIsNow)
{
    console().move(console().pos() - QPoint(100, 100));
    panel().move(30, 45);
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    const IniRecords saved = mdlIniIoEx::decode(readAll(settingsFile()));
    EXPECT_EQ(saved.ctrlData.CtlLeft, console().x() * 15);
    EXPECT_EQ(saved.ctrlData.CtlTop, 300 * 15);
    EXPECT_EQ(saved.form.PanelLeft, 30 * 15);
    EXPECT_EQ(saved.form.PanelTop, 45 * 15);
}

// Damaged positions, far off every screen, never leave a window out of reach.
class FarOffPositions : public WithSettings
{
protected:
    void prepareSettings() override
    {
        records.ctrlData.CtlLeft = 45000;
        records.ctrlData.CtlTop = -2000000000;
        records.form = {-90000, 2000000000};
        WithSettings::prepareSettings();
    }
};

TEST_F(FarOffPositions, BringTheWindowsWhollyOntoTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(console().frameGeometry()));
    EXPECT_TRUE(screen.contains(panel().frameGeometry()));
    EXPECT_EQ(panel().frameGeometry().bottomLeft(), screen.bottomLeft());
}

TEST_F(AppFixture, WithoutASettingsFileTheCellsKeepZeroAndNothingIsShown)
{
    EXPECT_TRUE(messages.shown.empty());
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(panel().Degit[i]->Value(), DegitValue(0));
    EXPECT_FALSE(QFile::exists(settingsFile()));
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    const QByteArray saved = readAll(settingsFile());
    // The defaults with today's fixed date, and the positions of the windows.
    IniRecords expected = IniRecords::initial(QDate(2026, 12, 7));
    IniRecords got = mdlIniIoEx::decode(saved);
    expected.ctrlData = got.ctrlData;
    expected.form = got.form;
    EXPECT_EQ(got, expected);
    EXPECT_EQ(got.ctrlData.ScrollSpeed, 1);
    EXPECT_EQ(got.ctrlData.EntryMode, 0);
}

class OddEntryMode : public AppFixture
{
protected:
    void prepareSettings() override
    {
        IniRecords r = IniRecords::initial(QDate(2026, 12, 7));
        r.ctrlData.EntryMode = 5;
        r.ctrlData.ScrollSpeed = 1;
        writeAll(settingsFile(), mdlIniIoEx::encode(r));
    }
};

TEST_F(OddEntryMode, IsKeptButMovesNoFrame)
{
    EXPECT_EQ(forms->controller().EntryMode(), 5);
    // The keypad frame is still the one on top.
    QWidget *top = console().childAt(console().Frame1[0]->geometry().center());
    while (top && top->parentWidget() != &console())
        top = top->parentWidget();
    EXPECT_EQ(top, static_cast<QWidget *>(console().Frame1[1]));
    EXPECT_TRUE(messages.shown.empty());
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    EXPECT_EQ(mdlIniIoEx::decode(readAll(settingsFile())).ctrlData.EntryMode, 5);
}

class RefusedValue : public AppFixture
{
protected:
    void prepareSettings() override
    {
        IniRecords r = IniRecords::initial(QDate(2026, 12, 7));
        r.folder.FareDataDir = QStringLiteral("/kept");
        r.panel.SeiriNumStyle = 40; // no such entry in the list
        r.sound.SndKeitou = QStringLiteral("/applied.wav");
        r.ctrlData.ScrollSpeed = 0; // below the bar's range
        r.ctrlData.ScrollWait = 700;
        r.ctrlData.LateNight = 1;
        written = mdlIniIoEx::encode(r);
        writeAll(settingsFile(), written);
    }

    QByteArray written;
};

TEST_F(RefusedValue, KeepsItsDefaultWhileTheFieldsAfterItApplyAndTheFileReadIsKept)
{
    // The first refusal is reported, once.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("エラー Code:380\r\n内容:")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Combo2")));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("ハルネVer4"));
    EXPECT_EQ(forms->optionsWindow().panelPage().Combo2->currentIndex(), 0);
    EXPECT_EQ(forms->options().fareDataFolder(), QStringLiteral("/kept"));
    EXPECT_EQ(forms->options().soundFile(settings::SoundSlot::RouteSetting), QStringLiteral("/applied.wav"));
    EXPECT_EQ(console().HScroll1[0]->value(), 1);
    EXPECT_EQ(console().HScroll1[1]->value(), 700);
    EXPECT_TRUE(console().Check2->isChecked());
    EXPECT_TRUE(console().isVisible());

    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    EXPECT_EQ(readAll(settingsFile() + QStringLiteral(".bak")), written);
    const IniRecords saved = mdlIniIoEx::decode(readAll(settingsFile()));
    EXPECT_EQ(saved.panel.SeiriNumStyle, 0);
    EXPECT_EQ(saved.sound.SndKeitou, QStringLiteral("/applied.wav"));
    EXPECT_EQ(saved.ctrlData.ScrollWait, 700);
}

class DamagedFile : public AppFixture
{
protected:
    void prepareSettings() override
    {
        QByteArray junk(1000, '\0');
        auto *rng = QRandomGenerator::global();
        for (char &c : junk)
            c = static_cast<char>(rng->bounded(256));
        writeAll(settingsFile(), junk);
    }
};

TEST_F(DamagedFile, NeverStopsStartUp)
{
    // Whatever it reports, the program is up with both windows.
    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(console().isVisible());
    EXPECT_LE(messages.shown.size(), 1u);
}

class ShortFile : public AppFixture
{
protected:
    void prepareSettings() override
    {
        // The folders and the start of the panel record: 100 bytes.
        written = mdlIniIoEx::encode(changedRecords()).left(100);
        writeAll(settingsFile(), written);
    }

    QByteArray written;
};

TEST_F(ShortFile, ReadsWhatIsThereAndTheRestKeepsItsStartUpValue)
{
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(forms->options().fareDataFolder(), QStringLiteral("/home/運転士/運賃"));
    EXPECT_EQ(forms->options().broadcastDataFolder(), QStringLiteral("/home/運転士/放送"));
    // Past the end: what start-up set, not zeros.
    EXPECT_EQ(panel().ChimeiCtl->BackColor(), 0x00808080u);
    EXPECT_EQ(panel().Degit[1]->BackColor(), 0x00808080u);
    EXPECT_EQ(console().HScroll1[0]->value(), 1);
    EXPECT_NE(console().pos(), QPoint(0, 0));
    EXPECT_TRUE(console().isVisible());
    const QPoint consoleAt = console().pos();

    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    EXPECT_EQ(readAll(settingsFile() + QStringLiteral(".bak")), written);
    IniDecodeInfo info;
    const IniRecords saved = mdlIniIoEx::decode(readAll(settingsFile()), &info);
    EXPECT_TRUE(info.complete);
    EXPECT_EQ(saved.folder, changedRecords().folder);
    EXPECT_EQ(saved.degit.DegitBackColor, 0x00808080u);
    EXPECT_EQ(QPoint(saved.ctrlData.CtlLeft, saved.ctrlData.CtlTop) / 15, consoleAt);
}

class EmptyFile : public AppFixture
{
protected:
    void prepareSettings() override { writeAll(settingsFile(), QByteArray()); }
};

TEST_F(EmptyFile, StartsAsWithoutASettingsFile)
{
    EXPECT_TRUE(messages.shown.empty());
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(panel().Degit[i]->Value(), DegitValue(0));
    EXPECT_EQ(panel().ChimeiCtl->BackColor(), 0x00808080u);
    EXPECT_EQ(console().HScroll1[0]->value(), 1);
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    EXPECT_EQ(readAll(settingsFile()).size(), 428 + 10); // the fixed date, "2026/12/07"
    // Nothing was read, so there is nothing to keep.
    EXPECT_FALSE(QFile::exists(settingsFile() + QStringLiteral(".bak")));
}

TEST_F(WithSettings, AFailedSaveIsReportedAndKeepsTheOldFile)
{
    // The settings file's folder turns into a file: nothing can be written there.
    const QString folder = settingsDir.filePath(QStringLiteral("blocked"));
    writeAll(folder, "not a folder");
    auto &services = const_cast<app::AppServices &>(forms->services());
    services.programPath = folder + QStringLiteral("/731");
    services.settingsFallbackFolder = folder + QStringLiteral("/config");
    messages.answers.push_back(ui::MessagePresenter::Answer::Yes);
    ASSERT_TRUE(console().close());
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[1].text.startsWith(QStringLiteral("エラー Code:")));
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("\r\n内容:")));
    EXPECT_EQ(readAll(settingsFile()), written);
}

TEST_F(AppFixture, TextsOutsideTheCodePageSurviveARestartAndTheUserIsToldOnce)
{
    const QString folder = QStringLiteral("/home/müller/データ");
    const QString sound = QStringLiteral("/home/müller/音/café.wav");
    auto &o = forms->optionsWindow();
    o.folderPage().Text2[0]->setText(folder);
    emit o.folderPage().Text2[0]->editingFinished();
    o.soundPage().txtSelectSound[7]->setText(sound);
    emit o.soundPage().txtSelectSound[7]->editingFinished();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(folder));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Shift_JIS")));

    restart();
    EXPECT_EQ(forms->options().fareDataFolder(), folder);
    EXPECT_EQ(forms->options().soundFile(settings::SoundSlot::Step), sound);
    // The settings file holds what the original writes: the code page's form of the texts.
    const IniRecords stored = mdlIniIoEx::decode(readAll(settingsFile()));
    EXPECT_EQ(stored.folder.FareDataDir, QStringLiteral("/home/m?ller/データ"));
    EXPECT_EQ(stored.sound.SndStepFile, QStringLiteral("/home/m?ller/音/caf?.wav"));
    // Nothing was chosen in this run: nothing more is said.
    EXPECT_EQ(messages.shown.size(), 2u); // the close confirmation
}

class BadUserPicture : public AppFixture
{
protected:
    void prepareSettings() override
    {
        const QString picture = settingsDir.filePath(QStringLiteral("notes.bmp"));
        writeAll(picture, "this is only text\n");
        IniRecords r = IniRecords::initial(QDate(2026, 12, 7));
        r.panel.PanelAuto = 0;
        r.panel.PanelManual = -1;
        for (int16_t *builtin : {&r.panel.PanelOffBuiltin, &r.panel.PanelOn1Builtin, &r.panel.PanelOn2Builtin})
            *builtin = 0;
        for (int16_t *user : {&r.panel.PanelOffUser, &r.panel.PanelOn1User, &r.panel.PanelOn2User})
            *user = -1;
        r.panel.PanelFile = {picture, picture, picture};
        writeAll(settingsFile(), mdlIniIoEx::encode(r));
    }
};

TEST_F(BadUserPicture, IsReportedOnceAtStartUp)
{
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("エラーコード：481")));
}
