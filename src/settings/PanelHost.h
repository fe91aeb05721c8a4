#pragma once

#include <cstdint>

class QComboBox;
class QLabel;

namespace controls {
class M_Degit;
class ChimeiCtl_DX;
} // namespace controls

namespace ui {
class MessagePresenter;
} // namespace ui

namespace settings {

// What the options window pushes its display options into: the panel's controls and the
// console's backlight switch. The program's window registry provides it; touching the console
// through it creates the console, as any first touch of a window does.
class PanelHost
{
public:
    virtual ~PanelHost() = default;
    virtual QLabel *lblSeiriNum(int index) = 0;
    virtual controls::M_Degit *Degit(int index) = 0;
    virtual controls::M_Degit *TimeDegit(int index) = 0;
    virtual controls::ChimeiCtl_DX *ChimeiCtl() = 0;
    // Whether the console's backlight button Option4(index) is selected.
    virtual bool backlightSelected(int index) = 0;
    virtual void Option4_Click(int16_t &index) = 0;
    virtual void SeirikenNumSet(int16_t &style, int16_t &zeroFill) = 0;
    // The ticket plug-in's places on the console: the company list and the preview picture.
    virtual QComboBox *companyList() = 0;
    virtual QLabel *ticketPreview() = 0;
    // Where the options window's message boxes go.
    virtual ui::MessagePresenter &messages() = 0;
};

} // namespace settings
