#pragma once

#include "app/WindowPlacement.h"

#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace settings {
struct CtrlDataInfo;
struct IniStatus;
} // namespace settings

namespace ticket {
struct PreviewOptions;
}

namespace app {

class Forms;

class EntryFrame;

// The operator console "集中操作盤": route entry, stepping, display switches, backlight,
// announcement tape, ticket preview, options and version box.
class frmCtl : public QWidget
{
    Q_OBJECT

public:
    explicit frmCtl(Forms &forms);
    ~frmCtl() override;

    // The load handler; runs once, right after the console is created.
    void Form_Load();

    // Moves the console to the bottom-right corner of the screen.
    void moveToBottomRight();

    // Backlight switch: index 0 "OFF", 1 "ON1", 2 "ON2".
    void Option4_Click(int16_t &index);

    void Command4_Click();
    void Command8_Click();
    void Frame1_DblClick(int index);

    // Route entry and route setting.
    void CommandButton1_Click(int k);
    void List2_Click(int j);
    void List3_Click(int j);
    void Command1_Click(int index);
    // Shows row n (1 to 301) of the loaded route on the panel.
    void DispData(int16_t n);
    // Data back (0) and data forward (1).
    void Command2_Click(int index);
    void Check1_Click();
    void HScroll1_Change(int index);
    // The announcement tape's buttons "送り", "戻し", "■" and "調整".
    void cmdTapeNext_Click();
    void cmdTapeBack_Click();
    void cmdTapeStop_Click();
    void cmdTapeSet_Click();
    // Redraws the ticket preview for row n.
    void RefreshTicketPreview(int16_t n);
    // The close request; true when the console may close.
    bool QueryUnload();
    // What follows a confirmed close: the stop name cleared, the keypad outlines, the sound
    // channels and the speech component released, the settings file written, and the program
    // ended. A termination signal ends the program this way too, without the question.
    void UnloadConfirmed();

    // The console's state for the settings file, and back; a value a control refuses leaves
    // it as it was, the others still apply, and the first refusal is returned.
    void GetCtrlDataInfo(settings::CtrlDataInfo &info) const;
    settings::IniStatus SetCtrlDataInfo(const settings::CtrlDataInfo &info);

    // The stop name of the current row of the loaded route.
    QString currentStopName() const;

    // The version box's five lines.
    QString versionText() const;

    // Ticket preview. Check4_Click opens (checked) or hides it; RefreshSeirikenPrev is the
    // preview step of the display update for row n (its stop name and ticket number), with the
    // route number as entered and the TicketDate kept at route setting.
    void Check4_Click();
    void MnuHideCopy_Click();
    void RefreshSeirikenPrev(const QString &stopName, int16_t ticketNo, int16_t n, const QString &routeNo,
                             const QString &ticketDate);
    // The preview options as the options window holds them now.
    ticket::PreviewOptions SeirikenPreviewOptions() const;

    int16_t EntryMode = 0;
    // The keypad's digits go to the route display when true, to the section display when false.
    bool KeypadRoute = false;
    // The date fixed at route setting for the ticket preview.
    QString TicketDate;
    // The display's "次は" mode, kept while a message is drawn without it.
    int16_t SavedTsugiwaMode = 0;
    // The rounded outlines given to the twelve keypad keys.
    std::array<QRegion, 12> KeyRegions;

    std::array<EntryFrame *, 2> Frame1{};
    std::array<QListWidget *, 5> List2{};
    std::array<QListWidget *, 3> List3{};
    std::array<QPushButton *, 12> CommandButton1{};
    std::array<QLabel *, 3> Label2{};
    std::array<QPushButton *, 2> Command1{};
    std::array<QPushButton *, 2> Command2{};
    QCheckBox *Check1 = nullptr;
    QGroupBox *Frame6 = nullptr;
    QCheckBox *Check2 = nullptr;
    std::array<QScrollBar *, 2> HScroll1{};
    std::array<QLabel *, 2> Label1{};
    QGroupBox *Frame2 = nullptr;
    std::array<QRadioButton *, 3> Option4{};
    QGroupBox *grpM_Tape = nullptr;
    QPushButton *cmdTapeSet = nullptr;
    QPushButton *cmdTapeBack = nullptr;
    QPushButton *cmdTapeNext = nullptr;
    QPushButton *cmdTapeStop = nullptr;
    QCheckBox *Check4 = nullptr;
    QLabel *picSeirikenPrev = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command8 = nullptr;
    QMenu *MnuHide = nullptr;
    QAction *MnuHideCopy = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createRouteEntryFrames();
    void createDigitListFrame();
    void createKeypadFrame();
    void createSteppingControls();
    void createSwitches();
    void createTapeGroup();
    void createPreviewArea();
    void showPreviewArea(bool open);
    void connectRouteHandlers();
    void roundKeypadButtons();
    void releaseKeyRegions();
    // The window manager's frame round the console, zero before it has framed it.
    QMargins windowFrameMargins() const;
    // The console with the window manager's frame round it.
    QRect windowFrame() const;
    void followWindowFrame();

    Forms &m_forms;
    WindowPlacement m_placement;
    bool m_watchingWindow = false;
};

} // namespace app
