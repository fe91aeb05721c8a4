#include "reslib/KBP4Res.h"

#include <QSysInfo>

namespace reslib {

QString GetOsInfo()
{
    // Only "Windows Vista" means anything to the callers; any other name lets speech run.
    return QSysInfo::prettyProductName();
}

} // namespace reslib
