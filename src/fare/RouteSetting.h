#pragma once

#include "fare/FareTable.h"

#include <QString>

#include <cstdint>

namespace fare {

// What the console hands over when "リセット" is pressed.
struct RouteRequest
{
    QString fareFolder; // the fare data folder as typed in the options ("/" is added as needed)
    QString routeNo;    // the route number exactly as entered, leading zeros kept
    int section = 0;    // the section as entered: 0 when empty (see SectionFromText)
};

enum class RouteOutcome {
    Accepted,
    NoData,          // the fare data file does not exist
    ZeroRecords,     // N = 0
    SectionTooLarge, // StartSection > N - 1, every negative N included
    TooManyRecords,  // N above 301: the table cannot hold the route
    Truncated,       // the file ends before its N-th record does
    BadStopName,     // a stop name is not valid CP932
    ReadError,       // the file exists but cannot be read (a folder, no permission, ...)
};

// The decision of a route setting. When accepted, it carries the new route; otherwise the
// message box text, and the route loaded before must stay as it is.
struct RouteDecision
{
    RouteOutcome outcome = RouteOutcome::NoData;
    QString message;          // empty when accepted
    QString filePath;         // the fare data file that was looked at
    QString RouteNo;          // as entered
    int16_t StartSection = 1; // after the 0 -> 1, above 300 -> 300 rule
    // The new route, meaningful when accepted only.
    FareTable table;
    int16_t RowCount = 0;
    int16_t CurIndex = 0;

    bool accepted() const { return outcome == RouteOutcome::Accepted; }
};

// The message texts of route setting, exactly as the message box shows them.
QString NoDataMessage();
QString ZeroRecordsMessage();
QString SectionTooLargeMessage();
QString TooManyRecordsMessage(int count);
QString TruncatedMessage(int record); // record 0: the count itself is missing
QString BadStopNameMessage(int record);
QString ReadErrorMessage(const QString &why);

// Decides a route setting: finds the route's fare data file, checks it and reads the whole of
// it into a new table. In order: the file must exist; N = 0 is refused; a starting section
// above N - 1 is refused; a file the table cannot hold, a truncated file or a broken stop name
// is refused. Reads the file and nothing else; the caller applies an accepted decision.
RouteDecision DecideRoute(const RouteRequest &request);

} // namespace fare
