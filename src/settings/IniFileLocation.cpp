#include "settings/IniFileLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace settings {
namespace {

QString fileName(const QString &programPath)
{
    return QFileInfo(programPath).completeBaseName() + QStringLiteral(".in4");
}

} // namespace

IniFileLocation IniFileLocation::resolve(const QString &programPath, const QString &configFolder)
{
    const QString beside = besideProgram(programPath);
    const QString programFolder = QFileInfo(programPath).absolutePath();
    if (isWritableFolder(programFolder) && !isInstalledProgramFolder(programFolder))
        return {beside, beside};

    const QString inConfig = QDir(configFolder).filePath(fileName(programPath));
    // Until the first save lands in the configuration folder, a settings file shipped beside
    // a read-only program still gives the starting state.
    const bool useBeside = !QFileInfo::exists(inConfig) && QFileInfo::exists(beside);
    return {useBeside ? beside : inConfig, inConfig};
}

QString IniFileLocation::besideProgram(const QString &programPath)
{
    // QDir::filePath puts exactly one separator between folder and name, also for "/".
    return QDir(QFileInfo(programPath).absolutePath()).filePath(fileName(programPath));
}

QString IniFileLocation::defaultConfigFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("harune"));
}

bool IniFileLocation::isWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool IniFileLocation::isInstalledProgramFolder(const QString &folder)
{
    const QDir bin(folder);
    return bin.dirName() == QStringLiteral("bin") && QFileInfo(bin.filePath(QStringLiteral("../share/harune"))).isDir();
}

} // namespace settings
