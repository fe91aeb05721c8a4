#pragma once

#include "base/OleColor.h"
#include "settings/Options.h"

#include <QString>

#include <cstdint>

class QPixmap;

namespace app {

// The panel as the console controller drives it: its fare cells, the stop-name display, the
// clock cells and the backlight. The panel window implements it; tests put a recorder in its
// place. Every call acts at once, in the order the controller makes them.
class PanelView
{
public:
    virtual ~PanelView() = default;

    // Degit(cell).Value. Cells 1 to 30 are the fare cells; cell 0 is the hidden one that takes
    // what is aimed at no cell.
    virtual void setCellValue(int cell, int value) = 0;
    // The value as digit text, leading zeros kept (the route number as entered).
    virtual void setCellText(int cell, const QString &digits) = 0;
    // ResetDegit on fare cells 1 to 30 in order: every segment lit (the lamp test) ...
    virtual void lightAllCells() = 0;
    // ... or every cell blank (display clear).
    virtual void blankAllCells() = 0;

    // Pending repaints are let through; what the user does meanwhile waits.
    virtual void letPaintsThrough() = 0;
    // Every pending event runs, the user's included: a button clicked meanwhile runs now, nested.
    virtual void letPendingEventsRun() = 0;

    // The stop-name display ChimeiCtl. SetChimei of a name that scrolls returns only when a
    // later non-empty name stops the scroll.
    virtual int16_t tsugiwaMode() const = 0;
    virtual void setTsugiwaMode(int16_t mode) = 0;
    virtual void SetChimei(const QString &name) = 0;
    // Speed, then ScrollStartWait.
    virtual void setScroll(int16_t speed, int32_t startWait) = 0;

    // The clock: Timer1 stopped and both TimeDegit cells blank; whether the cells are shown;
    // Timer1 started.
    virtual void stopClock() = 0;
    virtual bool clockShown() const = 0;
    virtual void startClock() = 0;

    // The backlight: the built-in picture of a state (imgRes), a user's picture, and the
    // colour of the thirty ticket numbers.
    virtual void showBuiltInPicture(settings::Backlight state) = 0;
    virtual void setPicture(const QPixmap &picture) = 0;
    virtual void colourTicketNumbers(base::OleColor colour) = 0;
};

} // namespace app
