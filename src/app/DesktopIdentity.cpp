#include "app/DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>

namespace app {

void applyDesktopIdentity()
{
    // Every drawn size, so that a frame or a task bar never scales a large picture down.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral(HARUNE_APP_ID));
}

} // namespace app
