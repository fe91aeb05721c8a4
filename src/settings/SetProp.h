#pragma once

namespace settings {

class Options;
class PanelHost;

// Pushes the display options into the panel: the ticket-number labels (shown, numbering,
// colour of the backlight state the console shows), the colours of the fare and clock digits,
// the stop-name display's colours and fonts, and last the console's backlight handler, so that
// the panel picture matches. Runs at start-up, at the end of loading the settings file and on
// the options window's "OK". Each value is read from the options as it is needed.
void SetProp(const Options &options, PanelHost &host);

} // namespace settings
