#pragma once

#include "base/OleColor.h"
#include "settings/IniRecords.h"
#include "settings/IniStatus.h"

#include <QObject>

#include <functional>
#include <optional>

namespace settings {

// The sound file boxes of the options, by the index of their txtSelectSound box (2 does not
// exist).
enum class SoundSlot {
    RouteSetting = 0,          // "系統設定時のサウンド：" (SndKeitou): route setting, section lists
    Reset = 1,                 // "リセット時のサウンド：" (SndReset): keypad, route lists
    BeforeAnnouncement = 3,    // always before an announcement (SndPreFile)
    BeforeAnnouncementFlag1 = 4, // by the broadcast entry's flag 1 to 3 (SndPreFile1..3)
    BeforeAnnouncementFlag2 = 5,
    BeforeAnnouncementFlag3 = 6,
    Step = 7,                  // always on "データ送り"/"データ戻し" (SndStepFile)
    StepColumnValue1 = 8,      // by the value 1 to 3 in a fare-data column (SndStepFile1..3)
    StepColumnValue2 = 9,
    StepColumnValue3 = 10,
};

// The date the ticket preview prints: Option4(0), Option4(1), Option4(2) of the options.
enum class TicketDateMode {
    AtPrint = 0,            // the system date, taken at each print
    KeptAtRouteSetting = 1, // the system date taken at route setting
    Fixed = 2,              // the fixed date of Label10
};

// The console's backlight states, Option4(0) to Option4(2) of the console; the panel pictures
// and the ticket-number colours of the options are kept per state.
enum class Backlight : int16_t { Off = 0, On1 = 1, On2 = 2 };

// Everything the options hold: the option records of the settings file and the colour picker's
// custom colours.
struct OptionRecords
{
    FolderInfo folder;
    PanelInfo panel;
    DegitInfo degit;
    ChimeiInfo chimei;
    SoundInfo sound;
    SeirikenInfo seiriken;
    CustomColors customColors{};

    bool operator==(const OptionRecords &) const = default;
};

// The options of the program, one model for the whole run. The options window shows it and
// writes every change of a control into it at once; the rest of the program reads the option
// it needs from it at the moment of use. Check boxes hold 0/1/2, option buttons -1/0 (one
// selected per group), lists an index or -1, as the records do.
class Options : public QObject
{
    Q_OBJECT

public:
    // The options of a fresh start: the records' defaults, the fixed ticket date `today`.
    explicit Options(const QDate &today, QObject *parent = nullptr);

    const OptionRecords &records() const { return m_records; }
    const FolderInfo &folder() const { return m_records.folder; }
    const PanelInfo &panel() const { return m_records.panel; }
    const DegitInfo &degit() const { return m_records.degit; }
    const ChimeiInfo &chimei() const { return m_records.chimei; }
    const SoundInfo &sound() const { return m_records.sound; }
    const SeirikenInfo &seiriken() const { return m_records.seiriken; }

    // Changes the options; `changed` follows when anything is different afterwards.
    void change(const std::function<void(OptionRecords &)> &edit);

    // What start-up sets before the panel first takes the options: ticket numbers shown, white
    // with the backlight off, light green with it on.
    void setStartUpDefaults();

    // The settings file's records: the options (custom colours included) copied into them, and
    // back. Taking them back works as setting the controls did: a number its control cannot take
    // keeps the option's present value and the first such refusal is returned, while every other
    // field is taken; an option button's non-zero value selects it and deselects its group.
    void GetOptionInfo(IniRecords &records) const;
    IniStatus SetOptionInfo(const IniRecords &records);

    // --- the options as the rest of the program reads them ---
    QString fareDataFolder() const { return folder().FareDataDir; }
    QString broadcastDataFolder() const { return folder().TpDataDir; }
    // Empty means no sound.
    QString soundFile(SoundSlot slot) const;
    // The forward/back sound: the same file always, otherwise the one chosen by the value of a
    // fare-data column (1 to 150; none when the list has no selection).
    bool stepSoundAlways() const { return sound().SndStepAlways != 0; }
    std::optional<int> stepSoundColumn() const { return columnOf(sound().SndStepColumn); }
    bool stepSoundWaits() const { return sound().SndStepSync != 0; }
    // The sound before an announcement: the same file always, otherwise chosen by the flag.
    bool preSoundAlways() const { return sound().SndPreAlways != 0; }
    bool preSoundWaits() const { return sound().SndPreSync != 0; }

    // An information digit: whether it is shown, and in which fare cell (1 to 30; 0 when the
    // list has no selection, which addresses cell 0, outside the thirty).
    struct InfoDigit
    {
        bool use = false;
        int cell = 0;
    };
    InfoDigit stopOrderDigit() const { return {degit().InfoOrderUse != 0, degit().InfoOrderCell + 1}; }
    bool stopOrderFromZero() const { return degit().InfoFromZero != 0; }
    InfoDigit ticketNoDigit() const { return {degit().InfoSeiriUse != 0, degit().InfoSeiriCell + 1}; }
    InfoDigit routeNoDigit() const { return {degit().InfoKeitouUse != 0, degit().InfoKeitouCell + 1}; }
    InfoDigit columnDigit() const { return {degit().InfoColumnUse != 0, degit().InfoColumnCell + 1}; }
    // The fare-data column the column digit shows (1 to 150), none when the list has no selection.
    std::optional<int> columnDigitColumn() const { return columnOf(degit().InfoColumnNo); }
    // The "次は" option as a list index, -1 when nothing is selected.
    int tsugiwaOption() const { return chimei().ChimeiTsugiwaMode; }

    // Panel pictures: "個別に設定する", and per backlight state the user's picture and its file.
    bool panelsIndividual() const { return panel().PanelManual != 0; }
    bool userPanelChosen(Backlight state) const;
    QString userPanelFile(Backlight state) const;
    // Ticket-number labels: shown (the grey state counts), and their colour per backlight state.
    bool ticketNumbersShown() const { return panel().UseSeiriNum != 0; }
    base::OleColor ticketNumberColor(Backlight state) const;

    bool ticketPreviewEnabled() const { return seiriken().UseSeiriPrev != 0; }
    QString ticketPluginFile() const { return seiriken().SeiriPlgFile; }
    TicketDateMode ticketDateMode() const;
    QString fixedDateText() const { return seiriken().FixedDate; }

signals:
    // The options are different from what they were.
    void changed();

private:
    static std::optional<int> columnOf(int16_t listIndex);
    void replace(const OptionRecords &records);

    OptionRecords m_records;
};

} // namespace settings
