#include "fare/RouteState.h"

namespace fare {

RouteDecision RouteState::SetRoute(const RouteRequest &request)
{
    RouteDecision decision = DecideRoute(request);
    Apply(decision);
    return decision;
}

bool RouteState::Apply(RouteDecision &decision)
{
    if (!decision.accepted())
        return false;
    m_table = std::move(decision.table);
    decision.table = FareTable();
    m_rowCount = decision.RowCount;
    m_curIndex = decision.CurIndex;
    m_startSection = decision.StartSection;
    m_routeNo = decision.RouteNo;
    return true;
}

bool RouteState::StepBack()
{
    if (!IsLoaded() || m_curIndex <= 0)
        return false;
    --m_curIndex;
    return true;
}

bool RouteState::StepForward()
{
    if (!IsLoaded() || m_curIndex + 1 >= m_rowCount)
        return false;
    ++m_curIndex;
    return true;
}

} // namespace fare
