#include "base/ProgramInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace base {

QString executableBaseName()
{
    // The kernel's link to the running image names it even when started through a symbolic
    // link or with an unusual argv[0], and before any application object exists.
    const QString name = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("731") : name;
}

QString executableFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace base
