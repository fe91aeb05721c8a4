#pragma once

#include "app/ConsoleShortcuts.h"

#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class QShortcut;
class QWidget;

namespace app {

struct ConsoleDesign;

// The console's key map installed on its window: one window-wide shortcut per key, so that a
// key works whichever console control has the focus and never while another window (a dialog)
// is the active one; and each control's tooltip names its keys.
class ConsoleKeyboard : public QObject
{
    Q_OBJECT

public:
    ConsoleKeyboard(QWidget *console, ConsoleDesign &design, ConsoleShortcuts shortcuts);

    // After the entry frames changed places: the keypad's keys are taken only while it shows.
    void followEntryFrame();
    // "キー: ..." for the tooltips.
    static QString keyHint(ConsoleAction action);

private:
    void setToolTips();
    // Enter presses the push button with the focus frame as Space does, and is "リセット"
    // anywhere else.
    void enterPressed();

    QWidget *m_console;
    ConsoleDesign &m_design;
    ConsoleShortcuts m_shortcuts;
    std::vector<std::pair<ConsoleAction, QShortcut *>> m_keys;
};

} // namespace app
