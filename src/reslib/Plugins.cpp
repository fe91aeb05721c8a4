#include "reslib/KBP4Res.h"

#include "base/Cp932.h"
#include "reslib/PluginLoader.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstring>
#include <vector>

namespace reslib {

static_assert(sizeof(SeirikenPlgInfo) == 56, "the plug-in record is fourteen 32-bit fields");

namespace {

// What a plug-in may hand over; anything beyond is dropped rather than filling memory.
constexpr qsizetype MaxCommentBytes = 64 * 1024;
constexpr qsizetype MaxCorpNameBytes = 1024;
constexpr size_t MaxCorpNames = 1000;

struct CommentSink
{
    QByteArray text;
};

struct CorpNameSink
{
    std::vector<QByteArray> names;
};

extern "C" void appendComment(void *context, const char *text)
{
    if (!context || !text)
        return;
    auto *sink = static_cast<CommentSink *>(context);
    const qsizetype room = MaxCommentBytes - sink->text.size();
    if (room > 0)
        sink->text.append(text, qsizetype(strnlen(text, size_t(room))));
}

extern "C" void addCorpName(void *context, const char *text)
{
    if (!context || !text)
        return;
    auto *sink = static_cast<CorpNameSink *>(context);
    if (sink->names.size() < MaxCorpNames)
        sink->names.emplace_back(text, qsizetype(strnlen(text, MaxCorpNameBytes)));
}

bool isDrawable32(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
           || format == QImage::Format_ARGB32_Premultiplied;
}

// The picture is opaque whatever the plug-in put in the top byte; only the canvas's own pixels
// are touched.
void makeOpaque(QImage &canvas)
{
    for (int y = 0; y < canvas.height(); ++y) {
        auto *row = reinterpret_cast<uint32_t *>(canvas.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x)
            row[x] |= 0xFF000000u;
    }
}

PlgInfo fromPlugin(const SeirikenPlgInfo &in)
{
    PlgInfo out;
    out.InfoHead = in.InfoHead;
    out.PrevWidth = in.PrevWidth;
    out.PrevHeight = in.PrevHeight;
    out.CanDate = in.CanDate;
    out.CanTime = in.CanTime;
    out.CanRouteNo = in.CanRouteNo;
    out.CanStopName = in.CanStopName;
    out.CanBarcode = in.CanBarcode;
    out.BarcodeCount = in.BarcodeCount;
    out.MaxRouteNo = in.MaxRouteNo;
    out.BarcodeMode = in.BarcodeMode;
    out.StopFrom = in.StopFrom;
    out.StopTo = in.StopTo;
    out.CorpCount = in.CorpCount;
    return out;
}

} // namespace

int32_t KB4_GetPlgInfo(const QString &plugin, PlgInfo &info)
{
    PluginLoader &loader = PluginLoader::instance();
    const PluginCallScope call(loader.crashRecord(), plugin);
    const LoadedPlugin *loaded = loader.load(plugin);
    if (!loaded)
        return 0;
    SeirikenPlgInfo filled{};
    if (loaded->getPlgInfo(&filled) == 0)
        return 0;
    info = fromPlugin(filled);
    return 1;
}

int32_t KB4_SetPlgComment(const QString &plugin, QWidget *edit)
{
    PluginLoader &loader = PluginLoader::instance();
    CommentSink sink;
    {
        const PluginCallScope call(loader.crashRecord(), plugin);
        const LoadedPlugin *loaded = loader.load(plugin);
        if (!loaded || !edit)
            return 0;
        loaded->getComment(&appendComment, &sink);
    }
    QString text = base::Cp932::toUnicode(sink.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    if (auto *plain = qobject_cast<QPlainTextEdit *>(edit)) {
        plain->setPlainText(text);
        return 1;
    }
    if (auto *line = qobject_cast<QLineEdit *>(edit)) {
        line->setText(text.replace(u'\n', u' '));
        return 1;
    }
    return 0;
}

int32_t KB4_SetCorpAddList(const QString &plugin, QWidget *combo)
{
    auto *list = qobject_cast<QComboBox *>(combo);
    PluginLoader &loader = PluginLoader::instance();
    CorpNameSink sink;
    {
        const PluginCallScope call(loader.crashRecord(), plugin);
        const LoadedPlugin *loaded = loader.load(plugin);
        if (!loaded || !list)
            return 0;
        loaded->getCorpNames(&addCorpName, &sink);
    }
    // Adding names selects nothing: a list that had no choice keeps none.
    const int selected = list->currentIndex();
    for (const QByteArray &name : sink.names)
        list->addItem(base::Cp932::toUnicode(name));
    list->setCurrentIndex(selected);
    return 1;
}

int32_t KB4_DrawSeiriken(const QString &plugin, QImage &canvas, const QByteArray &stopText,
                         const QByteArray &dateText, const QByteArray &timeText, int32_t routeNo,
                         int32_t rowValue, int32_t dataIndex, int32_t corpIndex)
{
    if (canvas.isNull())
        return 0;
    PluginLoader &loader = PluginLoader::instance();
    const PluginCallScope call(loader.crashRecord(), plugin);
    const LoadedPlugin *loaded = loader.load(plugin);
    if (!loaded)
        return 0;
    if (!isDrawable32(canvas.format()))
        canvas.convertTo(QImage::Format_RGB32);

    const SeirikenCanvas surface{canvas.width(), canvas.height(), int32_t(canvas.bytesPerLine()),
                                 reinterpret_cast<uint32_t *>(canvas.bits())};
    // The plug-in gets copies: whatever it does to them, the caller's texts stay as they are.
    const QByteArray stop(stopText.constData(), stopText.size());
    const QByteArray date(dateText.constData(), dateText.size());
    const QByteArray time(timeText.constData(), timeText.size());
    const int32_t result = loaded->draw(&surface, stop.constData(), date.constData(), time.constData(), routeNo,
                                        rowValue, dataIndex, corpIndex);
    makeOpaque(canvas);
    return result;
}

void SetPluginCrashFolder(const QString &folder)
{
    PluginLoader::instance().crashRecord().setFolder(folder);
}

QString TakeCrashedPlugin()
{
    return PluginLoader::instance().crashRecord().takeCrash();
}

void AllowPlugin(const QString &plugin)
{
    PluginLoader::instance().crashRecord().unblock(plugin);
}

} // namespace reslib
