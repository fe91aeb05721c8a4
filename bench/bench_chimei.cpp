// The stop-name display: how long laying out a name takes, and what a running scroll costs.
#include "controls/ChimeiCtl_DX.h"
#include "controls/PropertyBag.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <sys/resource.h>

using controls::ChimeiCtl_DX;

namespace {

QString nameOfUnits(int units)
{
    static const QString pool = QStringLiteral("県立中央病院総合運動公園入口東京駅八重洲北口前広場行");
    QString name;
    for (int i = 0; i < units; ++i)
        name += pool.at(i % pool.size());
    return name;
}

controls::PropertyBag panelData()
{
    controls::PropertyBag bag;
    bag.with("BackColor", 0x404040).with("ForeColor", 0x80C0FF);
    return bag;
}

void BM_SetChimei(benchmark::State &state)
{
    ChimeiCtl_DX display(panelData());
    display.setTsugiwaMode(static_cast<int16_t>(state.range(1)));
    const QString name = nameOfUnits(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        display.SetChimei(name);
        benchmark::DoNotOptimize(display.stripImage().constBits());
    }
    state.SetLabel(state.range(1) ? "with 次は" : "plain");
}
BENCHMARK(BM_SetChimei)->ArgsProduct({{4, 8, 20, 40}, {0, 1}})->Unit(benchmark::kMicrosecond);

// Counts the paints the display receives, to show the scroll really draws while measured.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A 30-unit name scrolling for 10 s on the real frame timer, the widget shown (offscreen).
// Reported: the process's CPU time as a share of one core, and the paints per second.
void BM_ScrollCpuShare(benchmark::State &state)
{
    const int seconds = 10;
    for (auto _ : state) {
        ChimeiCtl_DX display(panelData());
        display.setSpeed(static_cast<int16_t>(state.range(0)));
        display.show();
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();

        PaintCounter counter;
        display.installEventFilter(&counter);
        display.SetChimei(nameOfUnits(30));
        const double cpuBefore = cpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        const double cpu = cpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
        state.counters["cpu_share_%"] = 100.0 * cpu / wall;
        state.counters["paints_per_s"] = counter.paints / wall;
    }
}
BENCHMARK(BM_ScrollCpuShare)->Arg(5)->Arg(200)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
