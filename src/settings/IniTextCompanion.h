#pragma once

#include "settings/IniRecords.h"
#include "settings/IniStatus.h"

#include <QJsonObject>
#include <QString>

namespace settings {

// The exact texts that the settings file cannot hold. The file keeps its layout and writes each
// text in the code page, where a character the code page lacks becomes "?"; a folder such as
// "/home/müller/データ" would come back as "/home/m?ller/データ". The exact text of such a field
// is kept here, in a small JSON file in the user's configuration folder:
//
//   { "<settings file>": { "FareDataDir": "/home/müller/データ", "PanelFile(1)": "..." }, ... }
//
// A kept text is used only while the settings file still holds its lossy form, so a settings
// file changed by anything else reads exactly as it is, and a settings file whose texts all fit
// the code page never gets an entry.
class IniTextCompanion
{
public:
    // <configFolder>/<settings file name>.texts.json
    static QString pathFor(const QString &configFolder, const QString &settingsPath);

    // The exact texts of the fields that the code page cannot hold, keyed by field label.
    static QJsonObject exactTexts(const IniRecords &records);

    // Puts back into `records` each text of `entry` whose lossy form the field holds; returns
    // how many were put back.
    static int restore(IniRecords &records, const QJsonObject &entry);

    // Restores from the companion of `settingsPath`: its own entry first, then the entry of a
    // settings file of the same name elsewhere (a folder that was moved). A missing or damaged
    // companion restores nothing.
    static int load(const QString &configFolder, const QString &settingsPath, IniRecords &records);

    // Records the exact texts of `records` for `settingsPath`, leaving other settings files'
    // entries alone. Writes nothing when there is nothing to keep and nothing was kept before;
    // removes the file when its last entry goes.
    static IniStatus save(const QString &configFolder, const QString &settingsPath, const IniRecords &records);

    // What the code page makes of `text` once written and read back.
    static QString lossyForm(const QString &text);

    // Tells the user, in Japanese, that `text` will be kept exactly beside the settings file.
    static QString noticeText(const QString &text, const QString &configFolder);
};

} // namespace settings
