#include "fare/FareDisplay.h"

#include <gtest/gtest.h>

using namespace fare;

TEST(LateNightFare, DoublesEveryFareButMinusOne)
{
    EXPECT_EQ(LateNightFare(230), 460);
    EXPECT_EQ(LateNightFare(-1), -1);
    EXPECT_EQ(LateNightFare(0), 0);
    EXPECT_EQ(LateNightFare(16383), 32766);
    EXPECT_EQ(ShownFare(230, false), 230);
    EXPECT_EQ(ShownFare(-1, true), -1);
}

TEST(LateNightFare, OverflowIsHeldAtTheLargestValueNeverWrapped)
{
    EXPECT_EQ(LateNightFare(16384), 32767);
    EXPECT_EQ(LateNightFare(32767), 32767);
    EXPECT_EQ(LateNightFare(-20000), -32768);
}

TEST(FareCellValues, WritesCellsFromTheStartingSectionOn)
{
    FareTable table;
    for (int i = 1; i <= 30; ++i)
        table.SetFareCell(2, i + 2, 100 + i);
    table.SetFareCell(2, 4 + 2, -1);

    const auto day = FareCellValues(table, 2, 5, false);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(day[i - 1].has_value()) << i;
    EXPECT_EQ(day[4], 105);
    EXPECT_EQ(day[29], 130);

    const auto night = FareCellValues(table, 2, 1, true);
    EXPECT_EQ(night[2], 206);
    EXPECT_EQ(night[3], -1);

    EXPECT_FALSE(FareCellValues(table, 2, 31, false)[29].has_value());
}

TEST(StepSoundSlot, ColumnValuesOneToThreePickSlotsEightToTen)
{
    EXPECT_EQ(StepSoundSlot(1), 8);
    EXPECT_EQ(StepSoundSlot(2), 9);
    EXPECT_EQ(StepSoundSlot(3), 10);
    EXPECT_FALSE(StepSoundSlot(0).has_value());
    EXPECT_FALSE(StepSoundSlot(4).has_value());
    EXPECT_FALSE(StepSoundSlot(-1).has_value());
}
