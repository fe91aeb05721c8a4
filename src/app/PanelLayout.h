#pragma once

// The panel's design layout, in twips, as the unit's designer placed its parts.

namespace app::layout {

constexpr int PanelClientWidth = 9630;
constexpr int PanelClientHeight = 4710;

constexpr int ChimeiLeft = 1890;
constexpr int ChimeiTop = 367;
constexpr int ChimeiWidth = 6480;
constexpr int ChimeiHeight = 840;

constexpr int CellWidth = 780;
constexpr int CellHeight = 300;
constexpr int LabelHeight = 240;

constexpr int ColumnLeftBase = 750;
constexpr int ColumnOffsets[10] = {0, 855, 1695, 2550, 3405, 4245, 5100, 5955, 6795, 7650};
constexpr int CellRowTops[3] = {2340, 2955, 3585};
constexpr int LabelRowTops[3] = {2115, 2730, 3360};

constexpr int HiddenCellLeft = 2100; // Degit(0)
constexpr int HiddenCellTop = 30;
constexpr int ClockLefts[2] = {5445, 5850}; // TimeDegit(0), TimeDegit(1)
constexpr int ClockTop = 30;
constexpr int ClockWidth = 390;
constexpr int ClockHeight = 300;

// Fare cell i (1 to 30) lies in row (i - 1) / 10 and column (i - 1) % 10.
constexpr int cellLeft(int i)
{
    return ColumnLeftBase + ColumnOffsets[(i - 1) % 10];
}
constexpr int cellTop(int i)
{
    return CellRowTops[(i - 1) / 10];
}
constexpr int labelTop(int i)
{
    return LabelRowTops[(i - 1) / 10];
}

} // namespace app::layout
