#pragma once

// The names of the console's controls and values as the console controller and its views use
// them. Where an original control array is indexed, the enumerator is the index, so that
// `Command2[DataForward]` is the original's Command2(1).

#include <QString>

#include <cstdint>

namespace app {

// "データ戻し" Command2(0) and "データ送り" Command2(1).
enum StepDirection : int { DataBack = 0, DataForward = 1 };

// The keypad's keys CommandButton1(0..11): the digits, "系統" and "区間".
enum KeypadKey : int { Key0 = 0, Key1, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9, KeyRoute = 10, KeySection = 11 };
constexpr int KeypadKeys = 12;

// The two route-entry frames Frame1(0..1), each with its "リセット" button Command1(0..1).
enum EntryFrameKind : int16_t { DigitListFrame = 0, KeypadFrame = 1 };

// The stop-name display's two scroll settings, the bars HScroll1(0..1) with their labels.
enum ScrollSetting : int { ScrollSpeedBar = 0, ScrollWaitBar = 1 };

// The digit lists: the route's List2(0..4) and the section's List3(0..2), leftmost first.
enum class DigitList { Route, Section };
constexpr int RouteDigitLists = 5;
constexpr int SectionDigitLists = 3;

// A check box's value as the settings file keeps it.
enum class CheckValue : int16_t { Unchecked = 0, Checked = 1, Grey = 2 };
inline bool isCheckValue(CheckValue value)
{
    return value == CheckValue::Unchecked || value == CheckValue::Checked || value == CheckValue::Grey;
}

// What the console controller enables and disables.
enum class ConsoleControl {
    DigitListFrame, // Frame1(0), with its lists and "リセット"
    KeypadFrame,    // Frame1(1), with its keys and "リセット"
    DataBack,       // Command2(0)
    DataForward,    // Command2(1)
    DisplayClear,   // Check1
    NightAndScroll, // Frame6: late-night fare and both scroll bars
    TapeGroup,      // grpM_Tape
    TapeNext,       // cmdTapeNext "送り"
    TapeBack,       // cmdTapeBack "戻し"
    TapeStop,       // cmdTapeStop "■"
    TapeSet,        // cmdTapeSet "調整"
};
constexpr int ConsoleControlCount = 11;

// The icon of a message box of the console.
enum class MessageIcon { None, Error };

// What a console action did. `done` is false when it changed nothing: its control is disabled,
// the value is what it already was, the first or last stop is reached, the route was refused.
// `message` is the text the console showed the operator about it, if any.
struct ActionResult
{
    bool done = false;
    QString message;

    static ActionResult ok() { return {true, {}}; }
    static ActionResult nothing() { return {}; }
    static ActionResult refused(const QString &message) { return {false, message}; }
};

} // namespace app
