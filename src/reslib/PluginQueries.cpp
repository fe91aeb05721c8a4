#include "reslib/PluginQueries.h"

#include "reslib/PluginLoader.h"

#include <cstring>

namespace reslib {
namespace {

// What a plug-in may hand over; anything beyond is dropped rather than filling memory.
constexpr qsizetype MaxCommentBytes = 64 * 1024;
constexpr qsizetype MaxCorpNameBytes = 1024;
constexpr qsizetype MaxCorpNames = 1000;

extern "C" void appendComment(void *context, const char *text)
{
    if (!context || !text)
        return;
    auto *sink = static_cast<QByteArray *>(context);
    const qsizetype room = MaxCommentBytes - sink->size();
    if (room > 0)
        sink->append(text, qsizetype(strnlen(text, size_t(room))));
}

extern "C" void addCorpName(void *context, const char *text)
{
    if (!context || !text)
        return;
    auto *sink = static_cast<QByteArrayList *>(context);
    if (sink->size() < MaxCorpNames)
        sink->append(QByteArray(text, qsizetype(strnlen(text, MaxCorpNameBytes))));
}

} // namespace

PluginInfoQuery QueryPluginInfo(const QString &file)
{
    PluginInfoQuery query;
    PluginLoader &loader = PluginLoader::instance();
    const PluginCallScope call(loader.crashRecord(), file);
    const PluginLoad load = loader.load(file);
    if (!load.plugin) {
        query.refusal = load.refusal;
        return query;
    }
    SeirikenPlgInfo filled{};
    if (load.plugin->getPlgInfo(&filled) == 0) {
        query.refusal = QStringLiteral("%1 returns 0: the plug-in refuses").arg(QLatin1String(SEIRIKEN_SYMBOL_GET_PLG_INFO));
        return query;
    }
    query.ok = true;
    query.info = filled;
    return query;
}

std::optional<QByteArray> QueryPluginComment(const QString &file)
{
    PluginLoader &loader = PluginLoader::instance();
    const PluginCallScope call(loader.crashRecord(), file);
    const LoadedPlugin *plugin = loader.load(file).plugin;
    if (!plugin)
        return std::nullopt;
    QByteArray text;
    plugin->getComment(&appendComment, &text);
    return text;
}

std::optional<QByteArrayList> QueryPluginCorpNames(const QString &file)
{
    PluginLoader &loader = PluginLoader::instance();
    const PluginCallScope call(loader.crashRecord(), file);
    const LoadedPlugin *plugin = loader.load(file).plugin;
    if (!plugin)
        return std::nullopt;
    QByteArrayList names;
    plugin->getCorpNames(&addCorpName, &names);
    return names;
}

} // namespace reslib
