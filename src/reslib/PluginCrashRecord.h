#pragma once

#include <QString>

namespace reslib {

// Remembers, in the user's configuration folder, which ticket plug-in the program was calling
// when it died, so that a plug-in whose drawing crashes does not kill every later start.
//
// While plug-in code runs (loading it runs its constructors, then each of the four calls), a
// marker "plugin-call.<process id>" names the plug-in's file. A marker whose process is gone
// was left by a crash: the next start turns it into a block of that file, recorded in
// "plugins-blocked.json" with the file's size and modification time. A blocked plug-in is not
// loaded again until the user chooses it again or the file changes.
class PluginCrashRecord
{
public:
    // `folder` empty: nothing is marked or blocked.
    void setFolder(const QString &folder);
    const QString &folder() const { return m_folder; }

    // Around every stretch of plug-in code; calls may nest.
    void enter(const QString &plugin);
    void leave();

    // The plug-in file a crashed run was calling, now blocked; empty when every earlier run
    // left its calls. Markers of runs that are still alive are left alone.
    QString takeCrash();

    bool isBlocked(const QString &plugin) const;
    void unblock(const QString &plugin);

    static QString markerName(qint64 processId);

private:
    QString markerPath() const;
    QString blockListPath() const;
    void block(const QString &plugin);

    QString m_folder;
    int m_depth = 0;
};

// Marks plug-in code as running for one scope.
class PluginCallScope
{
public:
    PluginCallScope(PluginCrashRecord &record, const QString &plugin) : m_record(record) { m_record.enter(plugin); }
    ~PluginCallScope() { m_record.leave(); }
    PluginCallScope(const PluginCallScope &) = delete;
    PluginCallScope &operator=(const PluginCallScope &) = delete;

private:
    PluginCrashRecord &m_record;
};

} // namespace reslib
