#pragma once

#include "settings/IniFileLocation.h"
#include "settings/mdlIniIoEx.h"

#include <QByteArray>
#include <QString>

namespace settings {

// What one run knows about its settings file between reading it at start-up and writing it at
// exit, so that nothing stored is changed or lost without the user knowing:
//  - the texts the file cannot hold exactly are kept in a companion (IniTextCompanion) in the
//    configuration folder;
//  - a file that was short, or held a value that was refused, is kept as "<name>.in4.bak"
//    before the first save writes over it;
//  - temporary files left by a save that was killed are cleaned up when the file is read.
class IniSession
{
public:
    // Reads the settings file of `where` over `startDefaults`, the state the windows had before
    // it: the fields a short file lacks keep those values.
    IniLoadResult load(const IniFileLocation &where, const QString &configFolder, const IniRecords &startDefaults);

    // A value read from the file was refused when it was applied.
    void noteRefused() { m_keepReadFile = !m_readBytes.isEmpty(); }

    // Writes `records` to the settings file of `where`: first the copy of the file read, when
    // it has to be kept (if that fails, nothing else is written), then the companion of exact
    // texts, then the file itself. Returns the first failure.
    IniStatus save(const IniFileLocation &where, const QString &configFolder, const IniRecords &records);

    // Whether the next save keeps a copy of the file read.
    bool keepsReadFile() const { return m_keepReadFile; }

    // <settings file>.bak
    static QString backupPath(const QString &settingsPath);

private:
    QByteArray m_readBytes;
    bool m_keepReadFile = false;
};

} // namespace settings
