// The stop-name display: how long laying out a name takes, and what a running scroll costs.
#include "controls/ChimeiCtl_DX.h"
#include "controls/PropertyBag.h"
#include "support/CpuShare.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
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

using bench::measure;
using bench::settle;
using bench::Share;

// The strip as a child window of the stage, painted from the laid-out name.
class LiteralStrip : public QWidget
{
public:
    LiteralStrip(const QImage &image, QWidget *stage) : QWidget(stage), m_image(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(0, -1, image.width(), image.height());
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.drawImage(event->rect(), m_image, event->rect());
    }

private:
    QImage m_image;
};

// The original's scroll loop, literally: let events run, move the strip, sleep 1 ms, repaint
// the strip, let events run, with the pause when the strip has left the stage.
void literalLoop(LiteralStrip &strip, int speed, int startWait, double seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    const int stageWidth = ChimeiCtl_DX::StageWidth;
    double p = stageWidth;
    QCoreApplication::processEvents();
    while (std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents();
        p -= speed / 200;
        strip.move(static_cast<int>(std::lround(p)), -1);
        if (strip.x() <= -strip.width()) {
            strip.move(stageWidth, -1);
            p = stageWidth;
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(startWait));
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            strip.repaint();
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
        p -= speed / 200.0;
    }
}

// A 30-unit name scrolling for 10 s on a real X server, first in the display as it runs in the
// program, then in the original's literal loop, in the same run. Arguments: Speed and
// ScrollStartWait. Reported: each one's CPU time as a share of one core, how far the display
// stays below the loop, the moves drawn and the paints per second.
void BM_ScrollCpuShare(benchmark::State &state)
{
    if (!bench::onX11()) {
        state.SkipWithError("needs an X server: run with DISPLAY set and QT_QPA_PLATFORM=xcb "
                            "(for example under Xvfb)");
        return;
    }
    const double seconds = 10;
    const auto speed = static_cast<int16_t>(state.range(0));
    const auto startWait = static_cast<int32_t>(state.range(1));
    for (auto _ : state) {
        ChimeiCtl_DX display(panelData());
        display.setSpeed(speed);
        display.setScrollStartWait(startWait);
        display.show();
        settle();
        display.SetChimei(nameOfUnits(30));
        const int64_t movesBefore = display.movesDrawn();
        const Share program = measure(display, seconds, bench::runEventLoop);
        const double moves = double(display.movesDrawn() - movesBefore) / seconds;
        const QImage strip = display.stripImage();
        display.hide();

        QWidget stage;
        stage.setAttribute(Qt::WA_OpaquePaintEvent);
        stage.resize(ChimeiCtl_DX::StageWidth, ChimeiCtl_DX::ControlHeight);
        LiteralStrip literal(strip, &stage);
        stage.show();
        settle();
        const Share loop = measure(literal, seconds, [&](double s) { literalLoop(literal, speed, startWait, s); });

        state.SetIterationTime(2 * seconds);
        state.counters["cpu_share_%"] = program.cpuPercent;
        state.counters["loop_cpu_share_%"] = loop.cpuPercent;
        state.counters["x_below_loop"] = loop.cpuPercent / std::max(program.cpuPercent, 1e-9);
        // Under X11 the moves are drawn by the server, not painted through Qt.
        state.counters["moves_per_s"] = moves;
        state.counters["paints_per_s"] = program.paintsPerSecond;
        state.counters["loop_paints_per_s"] = loop.paintsPerSecond;
    }
}
BENCHMARK(BM_ScrollCpuShare)
    ->ArgNames({"speed", "wait"})
    ->Args({5, 1500})
    ->Args({200, 0})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace
