#pragma once

#include <QString>
#include <cstdint>

namespace app {

class Form1;

// The numbering of the panel's ticket-number labels.
namespace mdl731_000 {

// A ticket number as the labels show it: full-width digits, two at least with zero fill.
QString ticketNumberText(int number, bool zeroFill);

// Numbers the thirty ticket-number labels of the panel in the given style.
void SeirikenNumSet(Form1 &panel, int16_t &style, int16_t &zeroFill);

} // namespace mdl731_000
} // namespace app
