#include "fare/FareDisplay.h"

#include <algorithm>
#include <limits>

namespace fare {

int16_t LateNightFare(int16_t fare)
{
    if (fare == -1)
        return fare;
    const int doubled = 2 * int(fare);
    return static_cast<int16_t>(std::clamp(doubled, int(std::numeric_limits<int16_t>::min()),
                                           int(std::numeric_limits<int16_t>::max())));
}

std::vector<int> UndoublableCells(const std::array<int16_t, FareColumns> &fares)
{
    std::vector<int> cells;
    for (int i = 1; i <= FareCells; ++i) {
        const int fare = fares[i - 1];
        if (fare != -1 && (fare > LargestDoublableFare || fare < -LargestDoublableFare - 1))
            cells.push_back(i);
    }
    return cells;
}

int16_t ShownFare(int16_t fare, bool lateNight)
{
    return lateNight ? LateNightFare(fare) : fare;
}

std::array<std::optional<int16_t>, FareCells> FareCellValues(const FareTable &table, int row,
                                                             int startSection, bool lateNight)
{
    std::array<std::optional<int16_t>, FareCells> cells;
    const FareRow &r = table.Row(row);
    for (int i = std::max(startSection, 1); i <= FareCells; ++i)
        cells[i - 1] = ShownFare(r.Fare(i), lateNight);
    return cells;
}

std::optional<int> StepSoundSlot(int16_t columnValue)
{
    if (columnValue >= 1 && columnValue <= 3)
        return 7 + columnValue;
    return std::nullopt;
}

} // namespace fare
