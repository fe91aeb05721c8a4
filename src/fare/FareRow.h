#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace fare {

// Size of the fare table and of its rows. Rows and columns are numbered from 1 throughout.
constexpr int MaxRows = 301;     // rows 1..301: stop r of the route is row r
constexpr int FareColumns = 150; // Fares(1)..Fares(150) of a row
constexpr int CellColumns = 152; // SetFareCell columns: 1 name, 2 ticket, 3..152 fares
constexpr int FareCells = 30;    // fare cells of the panel, cell i shows Fares(i)
constexpr int MaxSection = 300;  // highest starting section

// One stop of the loaded route.
struct FareRow
{
    QString StopName;
    int16_t TicketNo = 0;
    // Fares[k - 1] is Fares(k). Fares(1)..Fares(30) are what fare cells 1..30 show; any Fares(k)
    // may also serve as a data column (information digit, forward/back sound).
    std::array<int16_t, FareColumns> Fares{};

    // Fares(k) for k = 1..150; 0 for any other k.
    int16_t Fare(int k) const { return k >= 1 && k <= FareColumns ? Fares[k - 1] : int16_t(0); }

    bool operator==(const FareRow &) const = default;
};

} // namespace fare
