#pragma once

#include <QString>

#include <string>

namespace sample {

// The interface's texts are CP932; the ticket is drawn from Unicode text.
QString fromCp932(const char *text);
// UTF-8 to CP932 for what the plug-in hands over; characters CP932 lacks become '?'.
std::string toCp932(const char *utf8);

} // namespace sample
