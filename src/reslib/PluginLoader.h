#pragma once

#include "reslib/PluginCrashRecord.h"
#include "seiriken_plugin.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace reslib {

// The entry points of one loaded ticket plug-in.
struct LoadedPlugin
{
    SeirikenGetPlgInfoFn getPlgInfo = nullptr;
    SeirikenGetTextFn getComment = nullptr;
    SeirikenGetTextFn getCorpNames = nullptr;
    SeirikenDrawFn draw = nullptr;
};

// A plug-in as loaded, or why the file is not taken for one.
struct PluginLoad
{
    const LoadedPlugin *plugin = nullptr;
    QString refusal; // in English, for the plug-in's author; empty when loaded
};

// Loads ticket plug-ins by file name and keeps them loaded, one per file name. Each call looks
// at the file again: a file that has changed since (another inode, size, modification or change
// time) is loaded afresh, so a rebuilt plug-in shows at its next use.
//
// A plug-in is loaded from a private in-memory copy of the file, not from the file itself.
// Rewriting a library file in place while it is mapped pulls the code from under the running
// program; with the copy, a rebuild or an overwrite of the file can never touch the loaded code.
// Loaded plug-ins are never unloaded: Qt may keep pointers into a library's constant data (a
// font family named by a literal, say), so an older version stays mapped until the program ends.
//
// Before a file is handed to the dynamic loader, its dynamic symbol table must export the five
// entry points: a library that is not a plug-in never has its constructors run. A plug-in that
// crashed the program is not loaded again (see PluginCrashRecord).
class PluginLoader
{
public:
    static PluginLoader &instance();

    // The plug-in in `file`, named by its real file name, or no plug-in and the reason when
    // the file is not one (not a regular file, too large, not a loadable library of this
    // machine, without the entry points, refused by the dynamic loader, of another interface
    // version) or is blocked after a crash. The plug-in stays valid until the program ends.
    // Call it inside a PluginCallScope: loading runs the plug-in's constructors.
    PluginLoad load(const QString &file);

    // The entry points every plug-in exports, in the order they are called.
    static const QByteArrayList &entryPoints();

    PluginCrashRecord &crashRecord() { return m_crashRecord; }

    // Files larger than this are not taken for plug-ins.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

private:
    struct Signature
    {
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Signature &) const = default;
    };
    struct Entry
    {
        Signature signature;
        PluginLoad load; // no plug-in: the file was refused
    };

    PluginLoad loadFresh(const QString &path, Signature &signature);
    PluginLoad openLibrary(const QByteArray &image, const QString &path);

    std::mutex m_mutex;
    PluginCrashRecord m_crashRecord;
    std::map<QString, Entry> m_entries;
    std::vector<std::unique_ptr<LoadedPlugin>> m_loaded;
};

} // namespace reslib
