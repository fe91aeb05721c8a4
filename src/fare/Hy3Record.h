#pragma once

#include "fare/FareRow.h"

#include <QByteArray>

#include <array>
#include <cstdint>

namespace fare {

// One record of a fare data file as it is stored: the stop name stays in code-page bytes, so
// that a file can be read, checked and written back byte for byte.
struct Hy3Record
{
    QByteArray Name; // CP932 bytes, no terminator; its length is the record's L
    int16_t TicketNo = 0;
    std::array<int16_t, FareColumns> Fares{};

    bool operator==(const Hy3Record &) const = default;
};

// Fixed part of a record after the name: TicketNo and 150 fares, 2 bytes each.
constexpr int Hy3FixedBytes = 2 + 2 * FareColumns;
// Largest count and name length the 16-bit fields can hold.
constexpr int Hy3MaxCount = 32767;
constexpr int Hy3MaxNameBytes = 65535;

} // namespace fare
