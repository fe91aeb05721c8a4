#include "controls/M_Degit.h"
#include "controls/PropertyBag.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

// One display update writes all thirty fare cells; each assignment redraws its cell.
static void AssignValueToThirtyCells(benchmark::State &state)
{
    std::vector<std::unique_ptr<controls::M_Degit>> cells;
    for (int i = 0; i < 30; ++i) {
        controls::PropertyBag design;
        design.with(QStringLiteral("Keta"), 4).with(QStringLiteral("DegitStyle"), 1);
        cells.push_back(std::make_unique<controls::M_Degit>(design));
    }
    int fare = 120;
    for (auto _ : state) {
        for (auto &cell : cells)
            cell->setValue(fare);
        fare = fare >= 9990 ? 120 : fare + 10;
        benchmark::DoNotOptimize(cells.front()->surface().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(AssignValueToThirtyCells)->Unit(benchmark::kMicrosecond);

// A data step between stops whose fares agree: every cell is assigned the value it shows.
static void AssignUnchangedValueToThirtyCells(benchmark::State &state)
{
    std::vector<std::unique_ptr<controls::M_Degit>> cells;
    for (int i = 0; i < 30; ++i) {
        controls::PropertyBag design;
        design.with(QStringLiteral("Keta"), 4).with(QStringLiteral("DegitStyle"), 1);
        cells.push_back(std::make_unique<controls::M_Degit>(design));
        cells.back()->setValue(120 + 10 * i);
    }
    for (auto _ : state) {
        for (int i = 0; i < 30; ++i)
            cells[std::size_t(i)]->setValue(120 + 10 * i);
        benchmark::DoNotOptimize(cells.front()->surface().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(AssignUnchangedValueToThirtyCells)->Unit(benchmark::kMicrosecond);
