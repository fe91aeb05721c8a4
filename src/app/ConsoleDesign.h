#pragma once

#include "app/ConsoleTypes.h"
#include "base/ControlArray.h"
#include "settings/Options.h"

#include <QRegion>
#include <array>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace app {

class EntryFrame;

// The console's controls as designed: their kinds, captions, names and places, and the state
// they start in. The console window is built from it and keeps the original control names.
struct ConsoleDesign
{
    // Creates every control on `console`; the keypad frame lies on top, the preview is hidden.
    void createControls(QWidget *console);
    // The control or group that ConsoleControl names.
    QWidget *widgetOf(ConsoleControl control) const;
    // The digit List2(position) or List3(position) has chosen, if any.
    std::optional<int> chosenDigit(DigitList list, int position) const;
    // The preview's controls shown beyond the narrow console, or hidden.
    void showPreviewArea(bool open);
    // The keypad keys get their rounded outlines, kept in KeyRegions; and let go again.
    void roundKeypadButtons();
    void releaseKeyRegions();

    std::array<EntryFrame *, 2> Frame1{};             // by EntryFrameKind
    std::array<QListWidget *, RouteDigitLists> List2{};
    std::array<QListWidget *, SectionDigitLists> List3{};
    std::array<QPushButton *, KeypadKeys> CommandButton1{}; // by KeypadKey
    std::array<QLabel *, 3> Label2{};                 // route display, "-", section display
    std::array<QPushButton *, 2> Command1{};          // "リセット", by EntryFrameKind
    std::array<QPushButton *, 2> Command2{};          // by StepDirection
    QCheckBox *Check1 = nullptr;                      // "表示消去"
    QGroupBox *Frame6 = nullptr;
    QCheckBox *Check2 = nullptr;                      // "深夜料金"
    std::array<QScrollBar *, 2> HScroll1{};           // by ScrollSetting
    std::array<QLabel *, 2> Label1{};
    QGroupBox *Frame2 = nullptr;                      // "バックライト"
    base::ControlArray<QRadioButton *, 3, settings::Backlight> Option4{};
    QGroupBox *grpM_Tape = nullptr;
    QPushButton *cmdTapeSet = nullptr;
    QPushButton *cmdTapeBack = nullptr;
    QPushButton *cmdTapeNext = nullptr;
    QPushButton *cmdTapeStop = nullptr;
    QCheckBox *Check4 = nullptr;                      // ">>" / "<<"
    QLabel *picSeirikenPrev = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command4 = nullptr;                  // "設定..."
    QPushButton *Command8 = nullptr;                  // "ﾊﾞｰｼﾞｮﾝ"
    QMenu *MnuHide = nullptr;
    QAction *MnuHideCopy = nullptr;
    // The rounded outlines given to the twelve keypad keys.
    std::array<QRegion, KeypadKeys> KeyRegions;

private:
    void createRouteEntryFrames();
    void createDigitListFrame();
    void createKeypadFrame();
    void createSteppingControls();
    void createSwitches();
    void createTapeGroup();
    void createPreviewArea();

    QWidget *m_console = nullptr;
};

} // namespace app
