#include "app/ConsoleKeyboard.h"

#include "app/ConsoleDesign.h"
#include "app/EntryFrame.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringList>

namespace app {

ConsoleKeyboard::ConsoleKeyboard(QWidget *console, ConsoleDesign &design, ConsoleShortcuts shortcuts)
    : QObject(console), m_console(console), m_design(design), m_shortcuts(std::move(shortcuts))
{
    for (const ConsoleShortcuts::Binding &binding : ConsoleShortcuts::bindings()) {
        const ConsoleAction action = binding.action;
        for (const QKeySequence &key : binding.keys) {
            auto *shortcut = new QShortcut(key, console);
            shortcut->setContext(Qt::WindowShortcut);
            // A held key repeats only the stepping; a repeated "リセット" or switch would undo
            // or redo what the first press did.
            shortcut->setAutoRepeat(action == ConsoleAction::DataForward || action == ConsoleAction::DataBack);
            if (action == ConsoleAction::Reset)
                connect(shortcut, &QShortcut::activated, this, &ConsoleKeyboard::enterPressed);
            else
                connect(shortcut, &QShortcut::activated, this, [this, action] { m_shortcuts.run(action); });
            m_keys.emplace_back(action, shortcut);
        }
    }
    followEntryFrame();
    setToolTips();
}

void ConsoleKeyboard::followEntryFrame()
{
    for (const auto &[action, shortcut] : m_keys)
        shortcut->setEnabled(m_shortcuts.keysActive(action));
}

QString ConsoleKeyboard::keyHint(ConsoleAction action)
{
    QStringList keys;
    for (const QKeySequence &key : ConsoleShortcuts::keysOf(action))
        keys << key.toString(QKeySequence::NativeText);
    return QStringLiteral("キー: ") + keys.join(QStringLiteral(" / "));
}

void ConsoleKeyboard::enterPressed()
{
    // A push button has the focus when the console opens and keeps it through mouse clicks
    // elsewhere, so Enter presses it only while it shows the focus frame, that is once the
    // operator has moved the focus with the keyboard. Anywhere else Enter is "リセット".
    auto *button = qobject_cast<QPushButton *>(m_console->focusWidget());
    if (button && button->isEnabled() && m_console->testAttribute(Qt::WA_KeyboardFocusChange)) {
        button->click();
        return;
    }
    m_shortcuts.run(ConsoleAction::Reset);
}

void ConsoleKeyboard::setToolTips()
{
    using A = ConsoleAction;
    ConsoleDesign &d = m_design;
    const std::vector<std::pair<QWidget *, A>> hinted = {
        {d.Command2[DataForward], A::DataForward}, {d.Command2[DataBack], A::DataBack},
        {d.Command1[DigitListFrame], A::Reset}, {d.Command1[KeypadFrame], A::Reset},
        {d.cmdTapeNext, A::TapeNext}, {d.cmdTapeBack, A::TapeBack}, {d.cmdTapeStop, A::TapeStop},
        {d.cmdTapeSet, A::TapeSettings}, {d.Check1, A::DisplayClear}, {d.Check2, A::LateNight},
        {d.Option4[settings::Backlight::Off], A::BacklightOff}, {d.Option4[settings::Backlight::On1], A::BacklightOn1},
        {d.Option4[settings::Backlight::On2], A::BacklightOn2}, {d.Command4, A::Options}, {d.Command8, A::Version},
    };
    for (const auto &[widget, action] : hinted)
        widget->setToolTip(keyHint(action));
    for (QWidget *frame : d.Frame1)
        frame->setToolTip(QStringLiteral("ダブルクリックでテンキーと桁リストを切り替え\n") + keyHint(A::EntryFrameSwitch));
    d.Check4->setToolTip(d.Check4->toolTip() + QLatin1Char('\n') + keyHint(A::PreviewSwitch));
    for (int k = 0; k < KeypadKeys; ++k)
        d.CommandButton1[k]->setToolTip(keyHint(keypadAction(KeypadKey(k))));
}

} // namespace app
