#include "settings/IniSession.h"

#include "base/AtomicFile.h"
#include "settings/IniTextCompanion.h"

namespace settings {

IniLoadResult IniSession::load(const IniFileLocation &where, const QString &configFolder,
                               const IniRecords &startDefaults)
{
    for (const QString &path : {where.readPath, where.writePath, IniTextCompanion::pathFor(configFolder, where.writePath)})
        base::AtomicFile::removeStaleTemporaries(path);

    IniLoadResult loaded = mdlIniIoEx::load(where.readPath, startDefaults);
    m_readBytes = loaded.bytes;
    m_keepReadFile = loaded.status.ok() && !loaded.info.complete;
    if (loaded.status.ok())
        IniTextCompanion::load(configFolder, where.readPath, loaded.records);
    return loaded;
}

IniStatus IniSession::save(const IniFileLocation &where, const QString &configFolder, const IniRecords &records)
{
    if (m_keepReadFile) {
        const IniStatus kept = mdlIniIoEx::writeFile(backupPath(where.writePath), m_readBytes);
        if (!kept.ok())
            return kept;
        m_keepReadFile = false;
    }
    // Without the companion the file still takes everything else; the failure is reported all
    // the same, since the exact texts are what it could not keep.
    const IniStatus texts = IniTextCompanion::save(configFolder, where.writePath, records);
    const IniStatus saved = mdlIniIoEx::save(records, where.writePath);
    return saved.ok() ? texts : saved;
}

QString IniSession::backupPath(const QString &settingsPath)
{
    return settingsPath + QStringLiteral(".bak");
}

} // namespace settings
