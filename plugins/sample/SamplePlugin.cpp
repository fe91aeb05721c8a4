// The sample ticket plug-in "HaruneSample.4SP": a landscape numbered ticket with the company,
// the ticket number, date, time, route, boarding stop and an Interleaved 2 of 5 barcode.

#include "seiriken_plugin.h"

#include "Cp932Text.h"
#include "TicketBarcode.h"
#include "TicketPainter.h"

#include <QImage>

#include <string>

namespace {

// The preview picture: 3300 x 2130 twips, 220 x 142 pixels.
constexpr int32_t PreviewWidthTwips = 3300;
constexpr int32_t PreviewHeightTwips = 2130;

constexpr const char *Companies[] = {"ハルネ交通", "ハルネ観光バス"};
constexpr int CompanyCount = sizeof Companies / sizeof Companies[0];

constexpr const char *Comment =
    "ハルネ標準整理券（サンプル）\n"
    "横長の整理券を描きます。上に社名、左に整理券番号、右に日付・時刻・系統・乗車停留所、下にバーコードを印字します。\n"
    "バーコードはInterleaved 2 of 5で、系統番号4桁・停留所の順番3桁・整理券番号2桁・チェック数字1桁を表します。"
    "系統番号が1～9999、停留所の順番が1～999、整理券番号が0～99の範囲外のときはバーコードを印字しません。\n"
    "社名は集中操作盤の一覧で切り替えられます（未選択のときは1番目の社名）。";

bool usable(const SeirikenCanvas *canvas)
{
    return canvas && canvas->pixels && canvas->width > 0 && canvas->height > 0 && canvas->stride % 4 == 0
           && int64_t(canvas->stride) >= int64_t(canvas->width) * 4;
}

QString companyName(int32_t index)
{
    // No choice yet, or one this plug-in never offered: the first company.
    if (index < 0 || index >= CompanyCount)
        index = 0;
    return QString::fromUtf8(Companies[index]);
}

} // namespace

int32_t Seiriken_InterfaceVersion(void)
{
    return SEIRIKEN_INTERFACE_VERSION;
}

int32_t Seiriken_GetPlgInfo(SeirikenPlgInfo *info)
{
    if (!info)
        return 0;
    info->PrevWidth = PreviewWidthTwips;
    info->PrevHeight = PreviewHeightTwips;
    info->CanDate = 1;
    info->CanTime = 1;
    info->CanRouteNo = 1;
    info->CanStopName = 1;
    info->CanBarcode = 1;
    info->BarcodeCount = 1;
    info->MaxRouteNo = sample::TicketBarcode::MaxRoute;
    info->BarcodeMode = 1;
    info->StopFrom = 1;
    info->StopTo = sample::TicketBarcode::MaxStop;
    info->CorpCount = CompanyCount;
    return 1;
}

int32_t Seiriken_GetComment(SeirikenTextSink sink, void *context)
{
    if (!sink)
        return 0;
    try {
        const std::string text = sample::toCp932(Comment);
        sink(context, text.c_str());
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t Seiriken_GetCorpNames(SeirikenTextSink sink, void *context)
{
    if (!sink)
        return 0;
    try {
        for (const char *name : Companies) {
            const std::string text = sample::toCp932(name);
            sink(context, text.c_str());
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t Seiriken_Draw(const SeirikenCanvas *canvas, const char *stopText, const char *dateText,
                      const char *timeText, int32_t routeNo, int32_t rowValue, int32_t dataIndex,
                      int32_t corpIndex)
{
    if (!usable(canvas))
        return 0;
    try {
        // The canvas's own memory, row by row; nothing outside it is reachable through the image.
        QImage image(reinterpret_cast<uchar *>(canvas->pixels), canvas->width, canvas->height, canvas->stride,
                     QImage::Format_RGB32);
        sample::TicketFields fields;
        fields.company = companyName(corpIndex);
        fields.stopName = sample::fromCp932(stopText);
        fields.date = sample::fromCp932(dateText);
        fields.time = sample::fromCp932(timeText);
        fields.route = routeNo;
        fields.ticket = rowValue;
        fields.row = dataIndex;
        sample::TicketPainter(image, fields).paint();
        return 1;
    } catch (...) {
        return 0;
    }
}
