#pragma once

#include "fare/FareRow.h"

#include <QString>

#include <vector>

namespace fare {

// Outcome of a write into the fare table. Errors are returned, never thrown.
enum class FareStatus {
    Ok,
    RowOutOfRange,    // row outside 1..301
    ColumnOutOfRange, // column outside 1..152
    Overflow,         // number outside signed 16 bits
    TypeMismatch,     // text that is not a number given for a number column
};

// The run-time error description of a status, as the route-setting message shows it
// (empty for Ok).
QString DescribeFareStatus(FareStatus status);

// The fare table: 301 rows of FareRow, numbered 1 to 301. A new table is empty (every name
// empty, every number 0).
class FareTable
{
public:
    FareTable();

    // Every row 1..301 back to an empty name, ticket number 0 and all fares 0.
    void ClearFareTable();

    // Column 1 stores the value as text in StopName, column 2 in TicketNo, column c = 3..152 in
    // Fares(c - 2). The text form converts a number column's text ("230", " -1"); the number
    // form writes a name column as decimal text. Nothing is stored unless the result is Ok.
    FareStatus SetFareCell(int row, int column, const QString &value);
    FareStatus SetFareCell(int row, int column, int value);

    // Replaces row r (1..301) whole.
    FareStatus SetRow(int row, const FareRow &value);

    // Row r for r = 1..301. Any other r gives an empty row, so that a reader can never step
    // outside the table.
    const FareRow &Row(int row) const;

    static bool IsRow(int row) { return row >= 1 && row <= MaxRows; }

    bool operator==(const FareTable &) const = default;

private:
    std::vector<FareRow> m_rows;
};

} // namespace fare
