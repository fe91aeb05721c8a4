// The ticket preview is redrawn at every step of the fare display: what one redraw costs through
// the sample plug-in, and what the gateway's look at the plug-in file adds to each call.
#include "base/Clock.h"
#include "base/Cp932.h"
#include "reslib/KBP4Res.h"
#include "ticket/mdlSeiriken.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString Sample = QStringLiteral(HARUNE_SAMPLE_PLUGIN);

void BM_SampleDraw(benchmark::State &state)
{
    QImage canvas(218, 140, QImage::Format_RGB32);
    const QByteArray stop = base::Cp932::fromUnicode(QStringLiteral("市役所前"));
    for (auto _ : state) {
        canvas.fill(Qt::white);
        reslib::KB4_DrawSeiriken(Sample, canvas, stop, "12-07-2026", "09:30:00", 123, 12, 7, 0);
    }
}
BENCHMARK(BM_SampleDraw);

// The same with the crash marker that the program writes around every plug-in call.
void BM_SampleDrawMarked(benchmark::State &state)
{
    QTemporaryDir folder;
    reslib::SetPluginCrashFolder(folder.path());
    QImage canvas(218, 140, QImage::Format_RGB32);
    const QByteArray stop = base::Cp932::fromUnicode(QStringLiteral("市役所前"));
    for (auto _ : state) {
        canvas.fill(Qt::white);
        reslib::KB4_DrawSeiriken(Sample, canvas, stop, "12-07-2026", "09:30:00", 123, 12, 7, 0);
    }
    reslib::SetPluginCrashFolder(QString());
}
BENCHMARK(BM_SampleDrawMarked);

// A cached plug-in: one look at the file, then the record.
void BM_CachedPlgInfo(benchmark::State &state)
{
    reslib::PlgInfo info;
    for (auto _ : state)
        benchmark::DoNotOptimize(reslib::KB4_GetPlgInfo(Sample, info));
}
BENCHMARK(BM_CachedPlgInfo);

// The whole preview step of the display update on a console-sized picture.
void BM_RefreshPreview(benchmark::State &state)
{
    QLabel picture;
    picture.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture.resize(220, 142);
    ticket::PreviewOptions options;
    options.use = true;
    options.pluginFile = Sample;
    ticket::PreviewStop stop;
    stop.stopName = QStringLiteral("市役所前");
    stop.ticketNo = 12;
    stop.row = 7;
    stop.routeNo = QStringLiteral("123");
    base::SystemClock clock;
    for (auto _ : state)
        ticket::RefreshPreview(&picture, options, stop, clock);
}
BENCHMARK(BM_RefreshPreview);

} // namespace
