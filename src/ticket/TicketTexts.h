#pragma once

#include "settings/Options.h"

#include <QString>

#include <cstdint>

class QDateTime;

namespace ticket {

// The ticket-preview options as the options hold them at the moment of a refresh.
struct PreviewOptions
{
    bool use = false;   // chkUseSeiriPrev
    QString pluginFile; // txtSeiriPlgDir
    settings::TicketDateMode dateMode = settings::TicketDateMode::AtPrint; // Option4(0..2)
    QString fixedDate;  // Label10
};

// The preview options the options hold now.
PreviewOptions PreviewOptionsOf(const settings::Options &options);

// What the ticket of the row being shown carries.
struct PreviewStop
{
    QString stopName;     // StopName of row n
    int16_t ticketNo = 0; // TicketNo of row n
    int16_t row = 0;      // n, 1 for the first row
    QString routeNo;      // RouteNo as entered
    QString ticketDate;   // TicketDate kept at the last route setting
    int corpIndex = -1;   // the console's company choice, -1 when none
};

// A system date as the ticket prints it: "mm-dd-yyyy".
QString SystemDateText(const QDateTime &now);
// The time as the ticket prints it: "hh:mm:ss", hours 00 to 23.
QString TimeText(const QDateTime &now);
// What route setting keeps as TicketDate: the fixed date with Option4(2), else the system date.
QString TicketDateAtRouteSetting(const PreviewOptions &options, const QDateTime &now);
// The date handed to the plug-in for a refresh at `now`.
QString DateText(const PreviewOptions &options, const QString &ticketDate, const QDateTime &now);
// RouteNo read as a number (leading blanks, sign and digits; anything else ends it), rounded
// half to even and held within 32 bits.
int32_t RouteNumber(const QString &routeNo);

} // namespace ticket
