#include "HeadlessServices.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/ConsoleController.h"
#include "app/ConsoleDriver.h"
#include "fare/Hy3Writer.h"
#include "base/Cp932.h"
#include "settings/Options.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Two stops with distinct twenty-unit names and thirty fares each.
void writeRoute(const QString &path)
{
    std::vector<fare::Hy3Record> records;
    for (int r = 1; r <= 2; ++r) {
        fare::Hy3Record rec;
        rec.Name = base::Cp932::fromUnicode(QStringLiteral("第%1県立中央総合病院・総合運動公園入口前停留所").arg(r).left(20));
        rec.TicketNo = static_cast<int16_t>(r);
        for (int i = 0; i < 30; ++i)
            rec.Fares[i] = static_cast<int16_t>(100 * r + 10 * i);
        records.push_back(rec);
    }
    fare::Hy3Writer::WriteFile(path, records);
}

// A long route whose every stop has its own name and its own fares, as a bus meets them on its
// way: the names share characters, the fares do not repeat from one stop to the next.
void writeLongRoute(const QString &path, int stops)
{
    const QString kanji = QStringLiteral("県立中央総合病院運動公園入口前駅東西南北町丁目市役所図書館");
    std::vector<fare::Hy3Record> records;
    for (int r = 1; r <= stops; ++r) {
        QString name;
        for (int k = 0; k < 9; ++k)
            name += kanji[(r * 7 + k * 5) % kanji.size()];
        fare::Hy3Record rec;
        rec.Name = base::Cp932::fromUnicode(QString::number(r) + name);
        rec.TicketNo = static_cast<int16_t>(r % 30 + 1);
        for (int i = 0; i < 30; ++i)
            rec.Fares[i] = static_cast<int16_t>(150 + 10 * ((r * 31 + i * 7) % 90));
        records.push_back(rec);
    }
    fare::Hy3Writer::WriteFile(path, records);
}

} // namespace

namespace {

// The program on a two-stop route, headless, with no lamp-test wait and no sound.
struct SteppingRig
{
    SteppingRig()
    {
        writeRoute(dir.filePath(QStringLiteral("1.hy3")));
        forms = std::make_unique<app::Forms>(headless.appServices());
        forms->start();
        forms->options().change([&](settings::OptionRecords &r) { r.folder.FareDataDir = dir.path(); });
    }

    QTemporaryDir dir;
    HeadlessServices headless;
    std::unique_ptr<app::Forms> forms;
};

} // namespace

// Route setting of the two-stop route at section 1: the file read, "系統選別中", the lamp test
// without its three seconds, and the first stop shown.
static void RouteSetting(benchmark::State &state)
{
    SteppingRig rig;
    app::ConsoleController &console = rig.forms->controller();
    app::ConsoleDriver(console).keyInRoute(QStringLiteral("1"), QStringLiteral("1"));
    for (auto _ : state)
        console.setRoute(app::KeypadFrame);
}
BENCHMARK(RouteSetting)->Unit(benchmark::kMicrosecond);

// One data step: thirty fare cells, the information digits and a twenty-unit stop name
// (which starts a scroll); no sound is chosen. With argument 1 the paints the step causes are
// made as well (run under an X server, QT_QPA_PLATFORM=xcb, for the time to the screen).
static void DataStep(benchmark::State &state)
{
    SteppingRig rig;
    app::ConsoleController &console = rig.forms->controller();
    app::ConsoleDriver(console).keyInRoute(QStringLiteral("1"), QStringLiteral("1"));
    app::StepDirection direction = app::DataForward;
    for (auto _ : state) {
        console.step(direction);
        if (state.range(0))
            QCoreApplication::processEvents();
        direction = direction == app::DataForward ? app::DataBack : app::DataForward;
    }
}
BENCHMARK(DataStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Data steps forward along a 300-stop route of distinct names and fares, with the paints under X
// (QT_QPA_PLATFORM=xcb): most cells and many glyphs are drawn for the first time. At the last
// stop the route is set again, outside the timing.
static void DataStepAlongRoute(benchmark::State &state)
{
    SteppingRig rig;
    writeLongRoute(rig.dir.filePath(QStringLiteral("2.hy3")), 300);
    app::ConsoleController &console = rig.forms->controller();
    app::ConsoleDriver(console).keyInRoute(QStringLiteral("2"), QStringLiteral("1"));
    for (auto _ : state) {
        if (!console.step(app::DataForward).done) {
            state.PauseTiming();
            console.setRoute(app::KeypadFrame);
            state.ResumeTiming();
            continue;
        }
        QCoreApplication::processEvents();
    }
}
BENCHMARK(DataStepAlongRoute)->Unit(benchmark::kMicrosecond);
