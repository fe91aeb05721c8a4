#pragma once

#include "fare/FareTable.h"
#include "fare/RouteSetting.h"

#include <QString>

#include <cstdint>

namespace fare {

// The loaded route: the fare table and the route state the panel is driven by. One instance
// lives for the whole run; before the first accepted route setting no route is loaded
// (RowCount 0, an empty table).
//
// A refused route setting leaves everything here as it was, RouteNo and StartSection
// included, so that the panel keeps showing and stepping the route loaded before with the
// section it was set with.
class RouteState
{
public:
    const FareTable &Table() const { return m_table; }
    int16_t RowCount() const { return m_rowCount; }
    int16_t CurIndex() const { return m_curIndex; } // 0-based; the current row is CurIndex + 1
    int16_t StartSection() const { return m_startSection; }
    const QString &RouteNo() const { return m_routeNo; }

    bool IsLoaded() const { return m_rowCount > 0; }
    int CurrentRow() const { return m_curIndex + 1; }
    const FareRow &Current() const { return m_table.Row(CurrentRow()); }

    // Route setting: decides (see DecideRoute) and, when accepted, replaces the whole route.
    // Returns the decision for its message; its table has then been moved into this state.
    RouteDecision SetRoute(const RouteRequest &request);

    // Takes over an accepted decision; a refused one changes nothing. Returns accepted().
    bool Apply(RouteDecision &decision);

    // "データ戻し" and "データ送り": move one row; false (and nothing changes) at the first or
    // last row, or when no route is loaded.
    bool StepBack();
    bool StepForward();

private:
    FareTable m_table;
    int16_t m_rowCount = 0;
    int16_t m_curIndex = 0;
    int16_t m_startSection = 1;
    QString m_routeNo;
};

} // namespace fare
