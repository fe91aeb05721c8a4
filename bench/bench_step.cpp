#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"
#include "fare/Hy3Writer.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "ui/MessagePresenter.h"
#include "settings/frmOption.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class Silent final : public ui::MessagePresenter
{
public:
    Answer show(QWidget *, const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

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

} // namespace

// One data step: thirty fare cells, the information digits and a twenty-unit stop name
// (which starts a scroll); no sound is chosen. With argument 1 the paints the step causes are
// made as well (run under an X server, QT_QPA_PLATFORM=xcb, for the time to the screen).
static void DataStep(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRoute(dir.filePath(QStringLiteral("1.hy3")));
    base::SystemClock clock;
    base::NoWaitSleeper sleeper;
    Silent messages;
    app::AppServices services;
    services.clock = &clock;
    services.sleeper = &sleeper;
    services.messages = &messages;
    services.quit = [] {};
    services.programPath = dir.filePath(QStringLiteral("731"));
    app::Forms forms(services);
    forms.start();
    forms.options().Text2[0]->setText(dir.path());
    app::frmCtl &console = forms.console();
    for (int k : {10, 1, 11, 1})
        console.CommandButton1[k]->click();
    console.Command1[1]->click();

    int direction = 1;
    for (auto _ : state) {
        console.Command2_Click(direction);
        if (state.range(0))
            QCoreApplication::processEvents();
        direction = 1 - direction;
    }
}
BENCHMARK(DataStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
