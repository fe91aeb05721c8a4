#include "platform/ProgramInfo.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

QString executableBaseName()
{
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        return QStringLiteral("731");
    return QFileInfo(path).completeBaseName();
}

QString executableFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
