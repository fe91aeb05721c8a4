#include "app/ConsoleDriver.h"

#include "app/ConsoleController.h"

namespace app {

bool ConsoleDriver::keyIn(KeypadKey first, const QString &digits)
{
    bool done = m_console.pressKey(first).done;
    for (QChar c : digits) {
        if (done && c.isDigit())
            done = m_console.pressKey(KeypadKey(c.digitValue())).done;
    }
    return done;
}

bool ConsoleDriver::keyInEntry(const QString &route, const QString &section)
{
    return keyIn(KeyRoute, route) && keyIn(KeySection, section);
}

ActionResult ConsoleDriver::keyInRoute(const QString &route, const QString &section)
{
    if (!keyInEntry(route, section))
        return ActionResult::nothing();
    return m_console.setRoute(KeypadFrame);
}

bool ConsoleDriver::stepTo(int row)
{
    const fare::RouteState &route = m_console.route();
    while (route.CurrentRow() != row) {
        if (!m_console.step(route.CurrentRow() < row ? DataForward : DataBack).done)
            return false;
    }
    return true;
}

} // namespace app
