#include "app/ConsoleShortcuts.h"

#include "app/ConsoleController.h"

namespace app {

using settings::Backlight;

namespace {

// Why these keys: README, "Keys of the console".
std::vector<ConsoleShortcuts::Binding> makeBindings()
{
    using A = ConsoleAction;
    std::vector<ConsoleShortcuts::Binding> b = {
        {A::DataForward, {QKeySequence(Qt::Key_PageDown)}},
        {A::DataBack, {QKeySequence(Qt::Key_PageUp)}},
        {A::Reset, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}},
    };
    // The digit keys; the numeric keypad's keys reach the same shortcuts.
    for (int k = Key0; k <= Key9; ++k)
        b.push_back({keypadAction(KeypadKey(k)), {QKeySequence(Qt::Key_0 + k)}});
    const std::vector<ConsoleShortcuts::Binding> rest = {
        {A::KeyRoute, {QKeySequence(Qt::Key_Slash)}},
        {A::KeySection, {QKeySequence(Qt::Key_Minus)}},
        {A::TapeNext, {QKeySequence(Qt::Key_End)}},
        {A::TapeBack, {QKeySequence(Qt::Key_Home)}},
        {A::TapeStop, {QKeySequence(Qt::Key_Escape)}},
        {A::TapeSettings, {QKeySequence(Qt::Key_F3)}},
        {A::DisplayClear, {QKeySequence(Qt::Key_Delete)}},
        {A::LateNight, {QKeySequence(Qt::Key_Insert)}},
        {A::BacklightOff, {QKeySequence(Qt::CTRL | Qt::Key_0)}},
        {A::BacklightOn1, {QKeySequence(Qt::CTRL | Qt::Key_1)}},
        {A::BacklightOn2, {QKeySequence(Qt::CTRL | Qt::Key_2)}},
        {A::PreviewSwitch, {QKeySequence(Qt::Key_F5)}},
        {A::EntryFrameSwitch, {QKeySequence(Qt::Key_F6)}},
        {A::Options, {QKeySequence(Qt::Key_F2)}},
        {A::Version, {QKeySequence(Qt::Key_F1)}},
    };
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

bool isKeypadAction(ConsoleAction action)
{
    return action >= ConsoleAction::Key0 && action <= ConsoleAction::KeySection;
}

CheckValue flipped(bool checked)
{
    return checked ? CheckValue::Unchecked : CheckValue::Checked;
}

} // namespace

KeypadKey keypadKeyOf(ConsoleAction action)
{
    return KeypadKey(int(action) - int(ConsoleAction::Key0));
}

ConsoleAction keypadAction(KeypadKey key)
{
    return ConsoleAction(int(ConsoleAction::Key0) + int(key));
}

ConsoleShortcuts::ConsoleShortcuts(ConsoleController &console, WindowActions window)
    : m_console(console), m_window(std::move(window))
{
}

const std::vector<ConsoleShortcuts::Binding> &ConsoleShortcuts::bindings()
{
    static const std::vector<Binding> all = makeBindings();
    return all;
}

QList<QKeySequence> ConsoleShortcuts::keysOf(ConsoleAction action)
{
    for (const Binding &b : bindings()) {
        if (b.action == action)
            return b.keys;
    }
    return {};
}

EntryFrameKind ConsoleShortcuts::shownEntryFrame() const
{
    // EntryMode names the frame sent to the back.
    return m_console.EntryMode() == DigitListFrame ? KeypadFrame : DigitListFrame;
}

bool ConsoleShortcuts::keysActive(ConsoleAction action) const
{
    return !isKeypadAction(action) || shownEntryFrame() == KeypadFrame;
}

ActionResult ConsoleShortcuts::run(ConsoleAction action)
{
    using A = ConsoleAction;
    if (isKeypadAction(action))
        return m_console.pressKey(keypadKeyOf(action));
    switch (action) {
    case A::DataForward:
        return m_console.step(DataForward);
    case A::DataBack:
        return m_console.step(DataBack);
    case A::Reset:
        return m_console.setRoute(shownEntryFrame());
    case A::TapeNext:
        return m_console.tapeNext();
    case A::TapeBack:
        return m_console.tapeBack();
    case A::TapeStop:
        return m_console.tapeStop();
    case A::TapeSettings:
        return m_console.tapeSettings();
    case A::BacklightOff:
        return m_console.setBacklight(Backlight::Off);
    case A::BacklightOn1:
        return m_console.setBacklight(Backlight::On1);
    case A::BacklightOn2:
        return m_console.setBacklight(Backlight::On2);
    case A::EntryFrameSwitch:
        return m_console.sendEntryFrameBack(shownEntryFrame());
    case A::Options:
    case A::Version: {
        const std::function<void()> &open = action == A::Options ? m_window.openOptions : m_window.showVersion;
        if (!open)
            return ActionResult::nothing();
        open();
        return ActionResult::ok();
    }
    default:
        return toggle(action);
    }
}

// The three switches: each key press turns its switch over.
ActionResult ConsoleShortcuts::toggle(ConsoleAction action)
{
    switch (action) {
    case ConsoleAction::DisplayClear:
        return m_console.setDisplayClear(!m_console.displayCleared());
    case ConsoleAction::LateNight:
        return m_console.setLateNight(flipped(m_console.lateNight()));
    case ConsoleAction::PreviewSwitch:
        return m_console.setPreviewSwitch(flipped(m_console.previewSwitch() == CheckValue::Checked));
    default:
        return ActionResult::nothing();
    }
}

} // namespace app
