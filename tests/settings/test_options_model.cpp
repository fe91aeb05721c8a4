// The options model without a window: what it reads out, what it takes from a settings file,
// the values it refuses and in which order it names them.
#include "SampleRecords.h"

#include "settings/Options.h"
#include "settings/ValueRules.h"

#include <gtest/gtest.h>

using base::LegacyError;
using settings::Backlight;
using settings::IniRecords;
using settings::IniStatus;
using settings::Options;
using settings::OptionRecords;
using settings::SoundSlot;
using settings::TicketDateMode;
using settings::ValueRules;

namespace {

const QDate Today(2026, 12, 7);

QString refusal(const QString &control)
{
    return QStringLiteral("エラー Code:380\r\n内容:プロパティの値が不正です。(%1)").arg(control);
}

// The first refusal when `edit` is applied to otherwise default records.
QString firstRefusal(const std::function<void(IniRecords &)> &edit)
{
    Options options(Today);
    IniRecords stored = IniRecords::initial(Today);
    edit(stored);
    const IniStatus status = options.SetOptionInfo(stored);
    return status.ok() ? QString() : status.message();
}

} // namespace

TEST(OptionsModel, AFreshStartReadsAsTheWindowShowedItBeforeAnySettings)
{
    const Options o(Today);
    EXPECT_EQ(o.fareDataFolder(), QString());
    EXPECT_EQ(o.soundFile(SoundSlot::Step), QString());
    EXPECT_TRUE(o.stepSoundAlways());
    EXPECT_EQ(o.stepSoundColumn(), 1);
    EXPECT_FALSE(o.stepSoundWaits());
    EXPECT_TRUE(o.preSoundAlways());
    EXPECT_TRUE(o.preSoundWaits());
    EXPECT_FALSE(o.stopOrderDigit().use);
    EXPECT_EQ(o.stopOrderDigit().cell, 1);
    EXPECT_EQ(o.columnDigitColumn(), 1);
    EXPECT_EQ(o.tsugiwaOption(), -1);
    EXPECT_FALSE(o.panelsIndividual());
    EXPECT_TRUE(o.ticketNumbersShown());
    EXPECT_EQ(o.ticketNumberColor(Backlight::Off), 0xFFFFFFu);
    EXPECT_EQ(o.ticketNumberColor(Backlight::On2), 0xC0FFC0u);
    EXPECT_FALSE(o.ticketPreviewEnabled());
    EXPECT_EQ(o.ticketDateMode(), TicketDateMode::AtPrint);
    EXPECT_EQ(o.fixedDateText(), QStringLiteral("2026/12/07"));
    IniRecords records;
    o.GetOptionInfo(records);
    EXPECT_EQ(records, IniRecords::initial(Today));
}

TEST(OptionsModel, TakesEveryOptionFromTheSettingsRecordsAndGivesThemBack)
{
    Options o(Today);
    const IniRecords sample = sampleRecords();
    ASSERT_TRUE(o.SetOptionInfo(sample).ok());
    IniRecords back = IniRecords::initial(Today);
    o.GetOptionInfo(back);
    EXPECT_EQ(back.folder, sample.folder);
    EXPECT_EQ(back.panel, sample.panel);
    EXPECT_EQ(back.degit, sample.degit);
    EXPECT_EQ(back.chimei, sample.chimei);
    EXPECT_EQ(back.sound, sample.sound);
    EXPECT_EQ(back.seiriken, sample.seiriken);
    EXPECT_EQ(back.customColors, sample.customColors);
    EXPECT_EQ(back.ctrlData, IniRecords().ctrlData); // the console's own record is not the options'

    // The readers, one per slot and per state.
    const std::pair<SoundSlot, const char *> files[] = {
        {SoundSlot::RouteSetting, "系統.wav"}, {SoundSlot::Reset, "reset.wav"},
        {SoundSlot::BeforeAnnouncement, "チャイム.wav"}, {SoundSlot::BeforeAnnouncementFlag1, "a.wav"},
        {SoundSlot::BeforeAnnouncementFlag3, "c.wav"}, {SoundSlot::Step, "step.wav"},
        {SoundSlot::StepColumnValue1, "1.mid"}, {SoundSlot::StepColumnValue3, "3.mid"}};
    for (const auto &[slot, file] : files)
        EXPECT_EQ(o.soundFile(slot), QString::fromUtf8(file)) << int(slot);
    EXPECT_FALSE(o.stepSoundAlways());
    EXPECT_EQ(o.stepSoundColumn(), 43);
    EXPECT_TRUE(o.stepSoundWaits());
    EXPECT_FALSE(o.preSoundWaits());
    EXPECT_EQ(o.stopOrderDigit().cell, 30);
    EXPECT_TRUE(o.columnDigit().use); // the grey state counts
    EXPECT_EQ(o.columnDigit().cell, 27);
    EXPECT_EQ(o.columnDigitColumn(), 150);
    EXPECT_TRUE(o.panelsIndividual());
    EXPECT_TRUE(o.userPanelChosen(Backlight::On1));
    EXPECT_EQ(o.userPanelFile(Backlight::On2), QStringLiteral("ｽｸﾛｰﾙ.gif"));
    EXPECT_EQ(o.ticketNumberColor(Backlight::On1), 0x00040506u);
    EXPECT_FALSE(o.ticketNumbersShown());
    EXPECT_EQ(o.ticketDateMode(), TicketDateMode::Fixed);
    EXPECT_EQ(o.ticketPluginFile(), QStringLiteral("/opt/plugins/整理券.4SP"));
}

TEST(OptionsModel, ARefusedValueKeepsItsOptionWhileTheOthersAreTakenAndTheFirstIsReported)
{
    Options o(Today);
    o.change([](OptionRecords &r) {
        r.panel.SeiriNumStyle = 5;
        r.seiriken.UseSeiriPrev = 1;
    });
    IniRecords stored = IniRecords::initial(Today);
    stored.folder.FareDataDir = QStringLiteral("/new");
    stored.panel.SeiriNumStyle = 12;  // the list has twelve entries
    stored.panel.SeiriNumZero = 2;    // grey is a state of its own
    stored.degit.InfoColumnNo = 150;  // columns 1 to 150 are indexes 0 to 149
    stored.degit.InfoColumnCell = -2;
    stored.chimei.ChimeiFontMode = 4;
    stored.chimei.ChimeiBold = 3;
    stored.sound.SndStepColumn = -1;  // nothing selected
    stored.seiriken.UseSeiriPrev = -1;
    const IniStatus status = o.SetOptionInfo(stored);
    ASSERT_TRUE(status.failed());
    EXPECT_EQ(status.code, LegacyError::InvalidPropertyValue);
    EXPECT_EQ(status.message(), refusal(QStringLiteral("Combo2")));

    EXPECT_EQ(o.panel().SeiriNumStyle, 5);
    EXPECT_EQ(o.degit().InfoColumnNo, 0);
    EXPECT_EQ(o.degit().InfoColumnCell, 0);
    EXPECT_EQ(o.chimei().ChimeiBold, 0);
    EXPECT_EQ(o.seiriken().UseSeiriPrev, 1);
    EXPECT_EQ(o.fareDataFolder(), QStringLiteral("/new"));
    EXPECT_EQ(o.panel().SeiriNumZero, 2);
    EXPECT_EQ(o.chimei().ChimeiFontMode, 4);
    EXPECT_EQ(o.stepSoundColumn(), std::nullopt);

    // The order is the one the window took them in: the column before its cell, fonts and bold
    // of the stop name before the sounds and the ticket.
    EXPECT_EQ(firstRefusal([](IniRecords &r) {
                  r.degit.InfoColumnCell = 30;
                  r.degit.InfoColumnNo = -5;
              }),
              refusal(QStringLiteral("Combo4_4")));
    EXPECT_EQ(firstRefusal([](IniRecords &r) {
                  r.seiriken.UseSeiriPrev = 9;
                  r.sound.SndStepColumn = 150;
                  r.chimei.ChimeiTsugiwaMode = 3;
              }),
              refusal(QStringLiteral("Combo6")));
    EXPECT_EQ(firstRefusal([](IniRecords &r) { r.chimei.ChimeiTsugiwaFontMode = 4; }), refusal(QStringLiteral("Combo5")));
    EXPECT_EQ(firstRefusal([](IniRecords &r) { r.degit.InfoFromZero = -1; }), refusal(QStringLiteral("Check3_4")));
}

TEST(OptionsModel, TheConsoleValuesAreCheckedInTheOrderTheConsoleTakesThem)
{
    IniRecords current;
    current.ctrlData.ScrollSpeed = 250;
    current.ctrlData.LateNight = 1;
    IniRecords stored;
    stored.ctrlData.ScrollSpeed = 0;          // below the bar
    stored.ctrlData.ScrollWait = 65536 + 700; // 700 once narrowed to 16 bits
    stored.ctrlData.LateNight = 5;
    stored.ctrlData.PreviewOpen = 3;
    stored.ctrlData.EntryMode = 9;            // not a control's value: kept as it is
    IniStatus status = ValueRules::keepAcceptable(stored, current, ValueRules::console());
    EXPECT_EQ(status.message(), refusal(QStringLiteral("HScroll1_0")));
    EXPECT_EQ(stored.ctrlData.ScrollSpeed, 250);
    EXPECT_EQ(stored.ctrlData.ScrollWait, 65536 + 700);
    EXPECT_EQ(stored.ctrlData.LateNight, 1);
    EXPECT_EQ(stored.ctrlData.PreviewOpen, 0);
    EXPECT_EQ(stored.ctrlData.EntryMode, 9);

    // The preview check box is set before the late-night one, although the file holds it after.
    stored.ctrlData.LateNight = -1;
    stored.ctrlData.PreviewOpen = 3;
    status = ValueRules::keepAcceptable(stored, current, ValueRules::console());
    EXPECT_EQ(status.message(), refusal(QStringLiteral("Check4")));
    // The options' rules leave the console alone.
    stored.ctrlData.LateNight = 7;
    EXPECT_TRUE(ValueRules::keepAcceptable(stored, current, ValueRules::options()).ok());
    EXPECT_EQ(stored.ctrlData.LateNight, 7);
}

TEST(OptionsModel, StoredOptionButtonsAreSelectedOneAfterAnother)
{
    Options o(Today);
    IniRecords stored = IniRecords::initial(Today);
    stored.panel.PanelAuto = -1;  // both selected: the later one wins
    stored.panel.PanelManual = -1;
    stored.sound.SndStepAlways = 7; // any non-zero value selects
    stored.sound.SndStepByColumn = 0;
    stored.sound.SndPreSync = 0;  // none selected: none stays selected
    stored.sound.SndPreAsync = 0;
    stored.seiriken.DateEachPrint = 0;
    stored.seiriken.DateKeep = 5;
    stored.seiriken.DateFixed = -1;
    ASSERT_TRUE(o.SetOptionInfo(stored).ok());
    EXPECT_EQ(o.panel().PanelAuto, 0);
    EXPECT_EQ(o.panel().PanelManual, -1);
    EXPECT_EQ(o.sound().SndStepAlways, -1);
    EXPECT_EQ(o.sound().SndStepByColumn, 0);
    EXPECT_EQ(o.sound().SndPreSync, 0);
    EXPECT_EQ(o.sound().SndPreAsync, 0);
    EXPECT_FALSE(o.preSoundWaits());
    EXPECT_EQ(o.seiriken().DateKeep, 0);
    EXPECT_EQ(o.seiriken().DateFixed, -1);
    EXPECT_EQ(o.ticketDateMode(), TicketDateMode::Fixed);
}

TEST(OptionsModel, TellsOfAChangeOnceAndOnlyWhenSomethingChanged)
{
    Options o(Today);
    int told = 0;
    QObject::connect(&o, &Options::changed, [&told] { ++told; });
    o.setStartUpDefaults(); // already the defaults
    o.change([](OptionRecords &r) { r.folder.FareDataDir = QString(); });
    EXPECT_EQ(told, 0);
    o.change([](OptionRecords &r) {
        r.folder.FareDataDir = QStringLiteral("/a");
        r.sound.SndReset = QStringLiteral("/b.wav");
    });
    EXPECT_EQ(told, 1);
    const IniRecords stored = sampleRecords();
    o.SetOptionInfo(stored);
    o.SetOptionInfo(stored);
    EXPECT_EQ(told, 2);
}
