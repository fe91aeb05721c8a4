#include "settings/SetProp.h"

#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "settings/Options.h"
#include "settings/PanelHost.h"

#include <QLabel>

namespace settings {
namespace {

constexpr int TicketCells = 30;

void showTicketNumbers(const Options &options, PanelHost &host)
{
    // The grey state counts as shown.
    const bool shown = options.ticketNumbersShown();
    for (int i = 1; i <= TicketCells; ++i)
        host.lblSeiriNum(i)->setVisible(shown);

    // The numbering routine gets copies of the two settings.
    int16_t style = options.panel().SeiriNumStyle;
    int16_t zeroFill = options.panel().SeiriNumZero;
    host.SeirikenNumSet(style, zeroFill);
}

void colourTicketNumbers(const Options &options, PanelHost &host)
{
    // The colour of the backlight state the console shows; a later selected state wins, and
    // with none selected the numbers turn black.
    base::OleColor colour = 0;
    for (Backlight state : {Backlight::Off, Backlight::On1, Backlight::On2}) {
        if (host.backlightSelected(static_cast<int>(state)))
            colour = options.ticketNumberColor(state);
    }
    for (int i = 1; i <= TicketCells; ++i) {
        QLabel *label = host.lblSeiriNum(i);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, base::toQColor(colour));
        label->setPalette(p);
    }
}

void colourDigits(const Options &options, PanelHost &host)
{
    auto colourDigit = [&options](controls::M_Degit *d) {
        d->setBackColor(options.degit().DegitBackColor);
        d->setBaseForeColor(options.degit().DegitOffColor);
        d->setDegitForeColor(options.degit().DegitOnColor);
    };
    for (int k = 1; k <= TicketCells; ++k)
        colourDigit(host.Degit(k));
    colourDigit(host.TimeDegit(0));
    colourDigit(host.TimeDegit(1));
}

void styleStopName(const Options &options, PanelHost &host)
{
    const ChimeiInfo &c = options.chimei();
    controls::ChimeiCtl_DX *chimei = host.ChimeiCtl();
    chimei->setBackColor(c.ChimeiBackColor);
    chimei->setForeColor(c.ChimeiForeColor);
    chimei->setFontMode(c.ChimeiFontMode);
    // Bold only when checked; the grey state is not.
    chimei->setFontBold(c.ChimeiBold == 1);
    chimei->setTsugiwaMode(c.ChimeiTsugiwaMode);
    chimei->setTsugiwaColor(c.ChimeiTsugiwaColor);
    chimei->setTsugiwaFontMode(c.ChimeiTsugiwaFontMode);
    chimei->setTsugiwaBold(c.ChimeiTsugiwaBold == 1);
}

void switchBacklight(PanelHost &host)
{
    int16_t index = static_cast<int16_t>(Backlight::On2);
    if (host.backlightSelected(static_cast<int>(Backlight::Off)))
        index = static_cast<int16_t>(Backlight::Off);
    else if (host.backlightSelected(static_cast<int>(Backlight::On1)))
        index = static_cast<int16_t>(Backlight::On1);
    host.Option4_Click(index);
}

} // namespace

void SetProp(const Options &options, PanelHost &host)
{
    showTicketNumbers(options, host);
    colourTicketNumbers(options, host);
    colourDigits(options, host);
    styleStopName(options, host);
    switchBacklight(host);
}

} // namespace settings
