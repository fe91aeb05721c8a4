#include "reslib/KBP4Res.h"

#include "base/Cp932.h"
#include "reslib/PluginQueries.h"
#include "reslib/PluginLoader.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace reslib {

static_assert(sizeof(SeirikenPlgInfo) == 56, "the plug-in record is fourteen 32-bit fields");

namespace {

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

int32_t KB4_GetPlgInfo(const QString &plugin, PlgInfo &info, QString *refusal)
{
    const PluginInfoQuery query = QueryPluginInfo(plugin);
    if (refusal)
        *refusal = query.refusal;
    if (!query.ok)
        return 0;
    info = fromPlugin(query.info);
    return 1;
}

int32_t KB4_SetPlgComment(const QString &plugin, QWidget *edit)
{
    if (!edit)
        return 0;
    const std::optional<QByteArray> comment = QueryPluginComment(plugin);
    if (!comment)
        return 0;
    QString text = base::Cp932::toUnicode(*comment);
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
    if (!list)
        return 0;
    const std::optional<QByteArrayList> names = QueryPluginCorpNames(plugin);
    if (!names)
        return 0;
    // Adding names selects nothing: a list that had no choice keeps none.
    const int selected = list->currentIndex();
    for (const QByteArray &name : *names)
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
    const LoadedPlugin *loaded = loader.load(plugin).plugin;
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
