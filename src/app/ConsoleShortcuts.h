#pragma once

#include "app/ConsoleTypes.h"

#include <QKeySequence>
#include <QList>

#include <functional>
#include <vector>

namespace app {

class ConsoleController;

// Everything an operator can do on the console, by name: the keyboard's shortcuts and any other
// remote hand run the same actions through ConsoleShortcuts::run.
enum class ConsoleAction {
    DataForward,      // "データ送り"
    DataBack,         // "データ戻し"
    Reset,            // "リセット" of the entry frame shown
    Key0, Key1, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9, // the keypad's digits
    KeyRoute,         // "系統"
    KeySection,       // "区間"
    TapeNext,         // "送り"
    TapeBack,         // "戻し"
    TapeStop,         // "■"
    TapeSettings,     // "調整"
    DisplayClear,     // "表示消去", on and off
    LateNight,        // "深夜料金", on and off
    BacklightOff,     // "OFF"
    BacklightOn1,     // "ON1"
    BacklightOn2,     // "ON2"
    PreviewSwitch,    // ">>" / "<<"
    EntryFrameSwitch, // the keypad and the digit lists change places (a double-click on the frame)
    Options,          // "設定..."
    Version,          // "ﾊﾞｰｼﾞｮﾝ"
};

// The keypad key an action presses, for Key0 .. KeySection.
KeypadKey keypadKeyOf(ConsoleAction action);
ConsoleAction keypadAction(KeypadKey key);

// The console's key map: which keys run which console action, and running an action on the
// console controller. The windows the console opens itself (options, version box) are run
// through the callbacks it is given. No widgets: the console window installs the keys.
class ConsoleShortcuts
{
public:
    struct Binding
    {
        ConsoleAction action;
        QList<QKeySequence> keys;
    };
    struct WindowActions
    {
        std::function<void()> openOptions;
        std::function<void()> showVersion;
    };

    ConsoleShortcuts(ConsoleController &console, WindowActions window);

    // Every action with its keys, in the order the README lists them.
    static const std::vector<Binding> &bindings();
    static QList<QKeySequence> keysOf(ConsoleAction action);

    // Whether the action's keys are its own at the moment: the keypad's keys only while the
    // keypad is the entry frame shown, so that with the digit lists shown a digit typed into a
    // list chooses that digit there.
    bool keysActive(ConsoleAction action) const;
    // The action done as its control would do it: nothing where the control is disabled.
    ActionResult run(ConsoleAction action);
    // The route-entry frame on top.
    EntryFrameKind shownEntryFrame() const;

private:
    ActionResult toggle(ConsoleAction action);

    ConsoleController &m_console;
    WindowActions m_window;
};

} // namespace app
