#pragma once

#include "fare/FareTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace fare {

// The fare a cell shows at late-night fare: double, except -1, which stays -1 (its cell's
// ZeroMode decides how it shows). A doubled fare beyond signed 16 bits is held at the nearest
// end (32767, or -32768 for a fare below -16384) instead of wrapping round, so that a fare
// above 16383 never shows as a negative or small number.
int16_t LateNightFare(int16_t fare);

// Fares from -16384 to 16383 double within signed 16 bits; late-night fare holds the others.
constexpr int LargestDoublableFare = 16383;

// The fare cells (1..30) whose fare late-night fare cannot show doubled, in cell order.
std::vector<int> UndoublableCells(const std::array<int16_t, FareColumns> &fares);

// The fare as a cell shows it: LateNightFare when late-night fare is on, the fare otherwise.
int16_t ShownFare(int16_t fare, bool lateNight);

// What the display update writes into fare cells 1..30 for row `row` (1..301): cell i
// (index i - 1) gets ShownFare(Fares(i)) for i from startSection to 30; cells below
// startSection are not written (nullopt) and keep what they show.
std::array<std::optional<int16_t>, FareCells> FareCellValues(const FareTable &table, int row,
                                                             int startSection, bool lateNight);

// Forward/back sound chosen by a data column: the value 1, 2 or 3 picks sound slot 8, 9 or 10;
// any other value plays nothing.
std::optional<int> StepSoundSlot(int16_t columnValue);

} // namespace fare
