#pragma once

#include <QString>

namespace remote {

// Where the running program answers on the session bus. The service carries the program's
// desktop identity (the name of its menu entry), so a second copy of the program running beside
// its own settings file simply finds the name taken and goes on without remote control.
inline QString ServiceName() { return QStringLiteral(HARUNE_APP_ID); }
inline QString ObjectPath() { return QStringLiteral("/Console"); }
inline QString InterfaceName() { return QStringLiteral(HARUNE_APP_ID ".Console"); }
// The error of a call the console refused; its message is the text that says why.
inline QString RefusedError() { return QStringLiteral(HARUNE_APP_ID ".Error.Refused"); }

} // namespace remote
