#pragma once

#include "app/ConsoleDesign.h"
#include "app/ConsoleView.h"
#include "app/WindowPlacement.h"

#include <QWidget>

namespace settings {
struct CtrlDataInfo;
struct IniStatus;
} // namespace settings

namespace app {

class ConsoleController;
class ConsoleKeyboard;
class Forms;

// The operator console "集中操作盤": route entry, stepping, display switches, backlight,
// announcement tape, ticket preview, options and version box. The console's state and what its
// buttons do belong to the console controller; the window shows the state and hands every
// click to the controller.
class frmCtl : public QWidget, public ConsoleDesign, public ConsoleView
{
    Q_OBJECT

public:
    explicit frmCtl(Forms &forms);
    ~frmCtl() override;

    // The load handler; runs once, right after the console is created.
    void Form_Load();

    // Moves the console to the bottom-right corner of the screen.
    void moveToBottomRight();

    void Command4_Click();
    void Command8_Click();
    void Frame1_DblClick(int index);
    void MnuHideCopy_Click();
    // The close request; true when the console may close.
    bool QueryUnload();
    // What follows a confirmed close: the stop name cleared, the keypad outlines, the sound
    // channels and the speech component released, the settings file written, and the program
    // ended. A termination signal ends the program this way too, without the question.
    void UnloadConfirmed();

    // The console's state and position for the settings file, and back; a value a control
    // refuses leaves it as it was, the others still apply, and the first refusal is returned.
    void GetCtrlDataInfo(settings::CtrlDataInfo &info) const;
    settings::IniStatus SetCtrlDataInfo(const settings::CtrlDataInfo &info);

    // The version box's five lines.
    QString versionText() const;

    // ConsoleView
    void showKeypadEntry(const QString &routeDigits, const QString &sectionDigits) override;
    void showDigitChoice(DigitList list, int position, std::optional<int> digit) override;
    void enableControl(ConsoleControl control, bool enabled) override;
    void setTapeCaption(const QString &caption) override;
    void showDisplayClear(bool on) override;
    void showLateNight(CheckValue value) override;
    void showScrollValue(ScrollSetting bar, int value) override;
    void showBacklight(settings::Backlight state) override;
    void showPreviewSwitch(CheckValue value) override;
    void sendEntryFrameBack(EntryFrameKind frame) override;
    void RefreshSeirikenPrev(const ticket::PreviewOptions &options, ticket::PreviewStop stop) override;
    void showMessage(const QString &text, const QString &title, MessageIcon icon) override;
    QWidget *dialogOwner() override { return this; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ConsoleController &controller();
    void connectHandlers();
    void connectSwitches();
    // The console's width with the preview open or hidden; it grows leftwards where it would
    // not fit on the screen.
    void fitPreviewWidth(bool open);
    // The window manager's frame round the console, zero before it has framed it.
    QMargins windowFrameMargins() const;
    // The console with the window manager's frame round it.
    QRect windowFrame() const;
    void followWindowFrame();

    Forms &m_forms;
    // The console's keys, installed on this window.
    ConsoleKeyboard *m_keyboard = nullptr;
    WindowPlacement m_placement;
    bool m_watchingWindow = false;
};

} // namespace app
