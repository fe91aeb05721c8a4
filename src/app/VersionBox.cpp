#include "app/VersionBox.h"

namespace app {

QString VersionBoxText(const QString &programName, int year)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("機種：") + programName + crlf
           + QStringLiteral("バージョン：") + QStringLiteral(HARUNE_VERSION) + QStringLiteral("  ServiceRelease 1") + crlf
           + crlf
           + QStringLiteral("発売元：ハルネ・プロジェクト") + crlf
           + QStringLiteral("開発：ハルネ開発チーム 2002-") + QString::number(year) + crlf;
}

} // namespace app
