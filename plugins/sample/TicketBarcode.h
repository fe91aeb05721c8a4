#pragma once

#include <string>
#include <vector>

namespace sample {

// The ticket's barcode: Interleaved 2 of 5 over ten digits, the route (4), the stop's row (3)
// and the ticket number (2), then a check digit.
class TicketBarcode
{
public:
    static constexpr int MaxRoute = 9999;
    static constexpr int MaxStop = 999;
    static constexpr int MaxTicket = 99;
    static constexpr int QuietModules = 10;

    // The ten digits, or empty when a value does not fit its field.
    static std::string digits(int route, int stop, int ticket);

    // Element widths in modules, bar first and alternating bar and space, start and stop
    // patterns included; empty for an odd or empty digit string.
    static std::vector<int> elements(const std::string &digits);

    // Modules the symbol takes, quiet zones on both sides included.
    static int totalModules(const std::vector<int> &elements);
};

} // namespace sample
