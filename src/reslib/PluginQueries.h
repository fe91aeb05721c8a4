#pragma once

#include "seiriken_plugin.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <optional>

namespace reslib {

// The calls of the options page and the console into a plug-in, without the windows: each
// loads the file (its code runs inside a PluginCallScope) and asks the plug-in.

// The information record: Seiriken_GetPlgInfo fills a zero-filled record.
struct PluginInfoQuery
{
    bool ok = false;
    SeirikenPlgInfo info{};
    QString refusal; // in English, for the plug-in's author; empty when ok
};

PluginInfoQuery QueryPluginInfo(const QString &file);

// The remarks text as the plug-in hands it over (CP932, at most 64 KiB); none when the file is
// not a plug-in.
std::optional<QByteArray> QueryPluginComment(const QString &file);

// The company names (CP932, at most 1000 of at most 1 KiB each); none when the file is not a
// plug-in.
std::optional<QByteArrayList> QueryPluginCorpNames(const QString &file);

} // namespace reslib
