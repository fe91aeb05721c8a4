#pragma once

#include <QString>
#include <cstdint>

namespace app {

class Form1;

// Panel numbering and file helpers shared by the windows.
namespace mdl731_000 {

// A ticket number as the labels show it: full-width digits, two at least with zero fill.
QString ticketNumberText(int number, bool zeroFill);

// Numbers the thirty ticket-number labels of the panel in the given style.
void SeirikenNumSet(Form1 &panel, int16_t &style, int16_t &zeroFill);

// True when `path` names an ordinary file (not a folder, not hidden).
bool FileExists(const QString &path);

} // namespace mdl731_000
} // namespace app
