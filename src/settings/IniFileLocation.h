#pragma once

#include <QString>

namespace settings {

// Where the settings file lives. It belongs beside the program, named after it with ".in4"
// ("731" keeps "731.in4"). When the program's folder cannot be written, or the program is an
// installed copy, the user's configuration folder takes its place for reading and writing, so that
// the settings of a run are never thrown away at exit and never land in a system folder.
struct IniFileLocation
{
    QString readPath;
    QString writePath;

    // programPath is the running program's file; configFolder the fallback folder.
    static IniFileLocation resolve(const QString &programPath,
                                   const QString &configFolder = defaultConfigFolder());

    // <program folder>/<program base name>.in4
    static QString besideProgram(const QString &programPath);

    // Our folder under the user's configuration folder (XDG_CONFIG_HOME or ~/.config).
    static QString defaultConfigFolder();

    static bool isWritableFolder(const QString &folder);

    // The bin folder of an installation (/usr/bin, ~/.local/bin, ...): a sibling share/harune
    // holds the installed demo data. The superuser may write there, but settings kept in it would
    // be shared by every user and outlive the package.
    static bool isInstalledProgramFolder(const QString &folder);
};

} // namespace settings
