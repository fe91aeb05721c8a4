// The panel enlarged: what a running scroll costs at 4× against 1×, in the same run, on a real
// X server. The program runs whole (both windows), headless in everything but the screen.
#include "HeadlessServices.h"
#include "app/ConsoleDriver.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/ScaledPanelView.h"
#include "controls/ChimeiCtl_DX.h"
#include "settings/Options.h"
#include "support/CpuShare.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Route 1 of the demo data at its seventh stop, "市立総合医療センター前", which scrolls; the
// scroll clock is the real one.
struct ScrollingPanel
{
    ScrollingPanel(int16_t speed, int32_t startWait)
    {
        forms = std::make_unique<app::Forms>(headless.appServices());
        forms->start();
        forms->options().change(
            [](settings::OptionRecords &r) { r.folder.FareDataDir = QStringLiteral(HARUNE_SOURCE_DIR "/data/demo"); });
        app::ConsoleDriver driver(forms->controller());
        driver.keyInRoute(QStringLiteral("1"), QStringLiteral("1"));
        forms->panel().ChimeiCtl->setSpeed(speed);
        forms->panel().ChimeiCtl->setScrollStartWait(startWait);
        driver.stepTo(7);
    }

    HeadlessServices headless;
    std::unique_ptr<app::Forms> forms;
};

// A long name scrolling for 10 s at 1×, then for 10 s with the panel at 4×. Arguments: Speed and
// ScrollStartWait. Reported: each one's CPU time as a share of one core (and the X server's, which
// draws the moves, when it runs here), the moves drawn and the paints per second of the window
// the panel is seen in. The goal at 4× is under 5 % for the program.
void BM_ScaledScrollCpuShare(benchmark::State &state)
{
    if (!bench::onX11()) {
        state.SkipWithError("needs an X server: run with DISPLAY set and QT_QPA_PLATFORM=xcb "
                            "(for example under Xvfb, with a screen of at least 2600 x 1300 so "
                            "that the 4× panel is all on it)");
        return;
    }
    const double seconds = 10;
    const auto speed = static_cast<int16_t>(state.range(0));
    const auto startWait = static_cast<int32_t>(state.range(1));
    for (auto _ : state) {
        ScrollingPanel rig(speed, startWait);
        app::Form1 &panel = rig.forms->panel();
        bench::settle();
        const auto measureAt = [&](const char *name, QWidget &seenIn) {
            const int64_t movesBefore = panel.ChimeiCtl->movesDrawn();
            const bench::Share share = bench::measure(seenIn, seconds, bench::runEventLoop);
            state.counters[std::string("cpu_share_") + name + "_%"] = share.cpuPercent;
            state.counters[std::string("moves_per_s_") + name] = double(panel.ChimeiCtl->movesDrawn() - movesBefore) / seconds;
            state.counters[std::string("paints_per_s_") + name] = share.paintsPerSecond;
            if (share.xServerCpuPercent >= 0)
                state.counters[std::string("x_server_cpu_share_") + name + "_%"] = share.xServerCpuPercent;
        };
        measureAt("1x", panel);
        panel.applyScale({4, false, QString()});
        bench::settle();
        measureAt("4x", *panel.scaledView());
        state.SetIterationTime(2 * seconds);
    }
}
BENCHMARK(BM_ScaledScrollCpuShare)
    ->ArgNames({"speed", "wait"})
    ->Args({5, 1500})
    ->Args({200, 0})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
