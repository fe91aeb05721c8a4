#pragma once

#include "app/ConsoleTypes.h"

#include <QString>

namespace app {

class ConsoleController;

// The console worked as an operator works it, one action after another: the tool's render, the
// benchmarks and the tests key in routes and step to stops through it.
class ConsoleDriver
{
public:
    explicit ConsoleDriver(ConsoleController &console) : m_console(console) {}

    // "系統", the route's digits, "区間", the section's digits, then "リセット" of the keypad;
    // what route setting did. Characters that are not digits are skipped; a key the console
    // refuses ends the sequence.
    ActionResult keyInRoute(const QString &route, const QString &section);
    // The same keys without "リセット"; false when the console refused a key.
    bool keyInEntry(const QString &route, const QString &section);
    // "データ送り" or "データ戻し" until stop `row` is current; false when a step did nothing first.
    bool stepTo(int row);

private:
    bool keyIn(KeypadKey first, const QString &digits);

    ConsoleController &m_console;
};

} // namespace app
