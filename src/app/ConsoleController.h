#pragma once

#include "app/AppServices.h"
#include "app/ConsoleTypes.h"
#include "app/RouteEntry.h"
#include "fare/RouteState.h"
#include "settings/IniRecords.h"
#include "settings/IniStatus.h"
#include "settings/Options.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace sound {
class mdlM_Tape;
}

namespace app {

class ConsoleTapeHost;
class ConsoleView;
class PanelView;

// The console "集中操作盤" without its window: route entry and route setting, the display
// update DispData, stepping from stop to stop, display clear, late-night fare, the scroll
// settings, the backlight, the preview switch, the entry frames and the announcement tape. It
// owns the console's state and the loaded route, decides what an action does and has the two
// views show it, in the order the unit does things. The console window's handlers are one-line
// calls into it; the tool, the benchmarks and the tests drive it directly (ConsoleDriver).
//
// Every action returns what it did (ActionResult); an action on a control that is disabled
// does nothing, as a click on it would. Sounds, waits, the clock and the speech component come
// from the services.
class ConsoleController : public QObject
{
    Q_OBJECT

public:
    // Where the controller finds the two views. A window is created the first time it is
    // asked for, so the getters are called at the moment of use.
    struct Views
    {
        std::function<PanelView &()> panel;
        std::function<ConsoleView &()> console;
    };

    ConsoleController(const AppServices &services, settings::Options &options, Views views);
    ~ConsoleController() override;

    // --- actions ---
    // CommandButton1(key): plays the keypad sound, then the key goes to the displays.
    ActionResult pressKey(KeypadKey key);
    // A choice in List2(position) or List3(position), with the list's sound.
    ActionResult chooseDigit(DigitList list, int position, std::optional<int> digit);
    // "リセット" Command1(frame): route setting from that frame's entry.
    ActionResult setRoute(EntryFrameKind frame);
    // "データ戻し" / "データ送り": one stop back or forward, with its sound.
    ActionResult step(StepDirection direction);
    ActionResult setDisplayClear(bool on);                 // Check1 "表示消去"
    ActionResult setLateNight(CheckValue value);           // Check2 "深夜料金"
    ActionResult setScroll(ScrollSetting bar, int value);  // HScroll1(bar)
    ActionResult setBacklight(settings::Backlight state);  // Option4(state); says if its picture failed
    ActionResult setPreviewSwitch(CheckValue value);       // Check4 ">>" / "<<"
    // A double-click on Frame1(frame): it goes to the back and the other frame shows.
    ActionResult sendEntryFrameBack(EntryFrameKind frame);
    ActionResult tapeNext();     // "送り", with the fare step when the entry asks for it
    ActionResult tapeBack();     // "戻し", likewise
    ActionResult tapeStop();     // "■"
    ActionResult tapeSettings(); // "調整"

    // --- operations of the console for the other windows ---
    // Shows row n (1 to 301): fares, information digits, ticket preview, pending events, name.
    void DispData(int16_t n);
    // The backlight handler for `state` as the options apply it: picture and number colour,
    // the selection left as it is. Returns the message shown about the user's picture, if any.
    QString Option4_Click(settings::Backlight state);
    // A backlight button lost its selection (the program may leave none selected).
    void backlightDeselected(settings::Backlight state);
    // The last step of the console's load: whether speech is usable.
    void initSpeech();
    // After the options dialog: the current stop's name drawn again with the new settings.
    void redrawStopName();
    // At shutdown: the stop-name display blank.
    void blankStopName();

    // The console's state for the settings file, and back; a value its control cannot take
    // keeps what it was and the first refusal is returned. The window adds its position.
    void GetCtrlDataInfo(settings::CtrlDataInfo &info) const;
    settings::IniStatus SetCtrlDataInfo(const settings::CtrlDataInfo &stored);

    // --- state ---
    fare::RouteState &route() { return m_route; }
    const fare::RouteState &route() const { return m_route; }
    sound::mdlM_Tape &tape() { return *m_tape; }
    const RouteEntry &entry() const { return m_entry; }
    bool isEnabled(ConsoleControl control) const { return m_enabled[int(control)]; }
    bool displayCleared() const { return m_displayCleared; }
    CheckValue lateNightValue() const { return m_lateNight; }
    bool lateNight() const { return m_lateNight == CheckValue::Checked; }
    int scrollValue(ScrollSetting bar) const { return m_scroll[bar]; }
    std::optional<settings::Backlight> backlight() const { return m_backlight; }
    CheckValue previewSwitch() const { return m_previewSwitch; }
    int16_t EntryMode() const { return m_EntryMode; }
    const QString &TicketDate() const { return m_TicketDate; }
    int16_t SavedTsugiwaMode() const { return m_SavedTsugiwaMode; }
    // The row the panel shows (0 while nothing is shown: before the first route, or cleared),
    // its stop name and the fares written to cells 1 to 30 (none where a cell was not written).
    int shownRow() const { return m_shownRow; }
    QString shownStopName() const;
    const std::array<std::optional<int16_t>, 30> &shownFares() const { return m_shownFares; }
    // An action is on the stack, letting the events that wait run (a data step before its stop
    // name, the lamp test's paints). A click then runs nested, as the original's did; a call from
    // another program waits until the action has ended.
    bool isLettingEventsRun() const { return m_lettingEventsRun > 0; }

signals:
    // The panel has begun to show another row (or none): the fares are written and the stop
    // name is about to be.
    void shownStopChanged(int row);

private:
    // The tape's seat on the console enables its group and plays its sounds through here.
    friend class ConsoleTapeHost;

    PanelView &panel() const { return m_views.panel(); }
    ConsoleView &console() const { return m_views.console(); }

    void enable(ConsoleControl control, bool enabled);
    void playSound(const QString &path, const QString &tag, bool wait);
    void playEntrySound(settings::SoundSlot slot);
    bool dataStep(StepDirection direction);
    bool tapeButtonUsable(ConsoleControl button) const;
    void letEventsRun(bool paintsOnly);
    QString stepSound() const;

    void showSelectingMessage();
    void lampTest();
    void showFares(int16_t n);
    void showInformationDigits(int16_t n);
    void refreshTicketPreview(int16_t n);
    void showStopName(int16_t n);
    void noteShownRow(int row);

    void applyScroll(ScrollSetting bar, int value);
    void applyLateNight(CheckValue value);
    void applyPreviewSwitch(CheckValue value);
    void applyEntryFrame(EntryFrameKind frame);

    AppServices m_services;
    settings::Options &m_options;
    Views m_views;
    fare::RouteState m_route;
    std::unique_ptr<ConsoleTapeHost> m_tapeHost;
    std::unique_ptr<sound::mdlM_Tape> m_tape;
    RouteEntry m_entry;

    std::array<bool, ConsoleControlCount> m_enabled{};
    bool m_displayCleared = false;
    CheckValue m_lateNight = CheckValue::Unchecked;
    std::array<int, 2> m_scroll{};
    std::optional<settings::Backlight> m_backlight = settings::Backlight::Off;
    CheckValue m_previewSwitch = CheckValue::Unchecked;
    int16_t m_EntryMode = 0;
    QString m_TicketDate;
    int16_t m_SavedTsugiwaMode = 0;
    int m_shownRow = 0;
    int m_lettingEventsRun = 0;
    std::array<std::optional<int16_t>, 30> m_shownFares{};
};

} // namespace app
