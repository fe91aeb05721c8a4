// Loading a route of the largest size the fare table holds.
#include "fare/Hy3Reader.h"
#include "fare/Hy3Writer.h"
#include "fare/RouteState.h"
#include "base/Cp932.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 301 stops with names of 11 double-byte characters, every fare set.
class FullRoute
{
public:
    FullRoute()
    {
        std::vector<fare::Hy3Record> records;
        for (int g = 1; g <= fare::MaxRows; ++g) {
            fare::Hy3Record r;
            r.Name = base::Cp932::fromUnicode(QStringLiteral("市立総合医療センター%1").arg(g));
            r.TicketNo = int16_t(g);
            for (int k = 0; k < fare::FareColumns; ++k)
                r.Fares[k] = int16_t(170 + 10 * ((g + k) % 40));
            records.push_back(r);
        }
        fare::Hy3Writer::WriteFile(m_dir.filePath(QStringLiteral("301.hy3")), records);
    }
    QString folder() const { return m_dir.path(); }
    QString file() const { return m_dir.filePath(QStringLiteral("301.hy3")); }

private:
    QTemporaryDir m_dir;
};

const FullRoute &Route()
{
    static const FullRoute route;
    return route;
}

void BM_ReadHy3File301(benchmark::State &state)
{
    const QString path = Route().file();
    for (auto _ : state) {
        fare::Hy3Content c = fare::Hy3Reader::ReadFile(path);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ReadHy3File301)->Unit(benchmark::kMicrosecond);

// The whole route setting decision and the swap into the route state.
void BM_SetRoute301(benchmark::State &state)
{
    fare::RouteState route;
    const fare::RouteRequest request{Route().folder(), QStringLiteral("301"), 1};
    for (auto _ : state) {
        fare::RouteDecision d = route.SetRoute(request);
        benchmark::DoNotOptimize(d);
        if (!d.accepted())
            state.SkipWithError("route refused");
    }
}
BENCHMARK(BM_SetRoute301)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
