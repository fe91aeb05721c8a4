#pragma once

#include "app/ConsoleTypes.h"
#include "settings/Options.h"
#include "ticket/TicketTexts.h"

#include <QString>

#include <optional>

class QWidget;

namespace app {

// The console window as the console controller drives it. The controller owns the console's
// state; the view shows it. A show... call sets its control without running the control's
// handler, so that nothing is done twice.
class ConsoleView
{
public:
    virtual ~ConsoleView() = default;

    // The keypad's displays Label2(0) (route) and Label2(2) (section).
    virtual void showKeypadEntry(const QString &routeDigits, const QString &sectionDigits) = 0;
    // The selection of List2(position) or List3(position); none clears it.
    virtual void showDigitChoice(DigitList list, int position, std::optional<int> digit) = 0;
    virtual void enableControl(ConsoleControl control, bool enabled) = 0;
    // The caption of the tape group grpM_Tape.
    virtual void setTapeCaption(const QString &caption) = 0;

    virtual void showDisplayClear(bool on) = 0;                      // Check1
    virtual void showLateNight(CheckValue value) = 0;                // Check2
    virtual void showScrollValue(ScrollSetting bar, int value) = 0;  // HScroll1(bar) and Label1(bar)
    virtual void showBacklight(settings::Backlight state) = 0;       // Option4(state)
    // Check4, its caption and tooltip, and the console's width: the preview open or hidden.
    virtual void showPreviewSwitch(CheckValue value) = 0;
    // Frame1(frame) goes to the back and the other frame shows.
    virtual void sendEntryFrameBack(EntryFrameKind frame) = 0;

    // The ticket preview picSeirikenPrev, cleared and drawn for `stop` with the company chosen
    // in Combo1.
    virtual void RefreshSeirikenPrev(const ticket::PreviewOptions &options, ticket::PreviewStop stop) = 0;

    // A message box with an OK button; an empty title shows the application title.
    virtual void showMessage(const QString &text, const QString &title, MessageIcon icon) = 0;
    // The window the dialogs opened from the console belong to.
    virtual QWidget *dialogOwner() = 0;
};

} // namespace app
