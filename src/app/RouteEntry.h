#pragma once

#include "app/ConsoleTypes.h"
#include "fare/RouteSetting.h"

#include <QString>

#include <array>
#include <optional>

namespace app {

// What the operator has entered for route setting: the keypad's route and section displays
// with the switch that says which of them the digit keys fill, and the choices of the digit
// lists. Kept between clicks, not cleared by route setting, never saved.
class RouteEntry
{
public:
    static constexpr int RouteDigits = 5;   // what the route display holds
    static constexpr int SectionDigits = 3; // what the section display holds

    // A keypad key. "系統" empties the route display and sends the digits there, "区間" empties
    // the section display and sends them there; a digit on a full display is ignored. Before
    // either key, digits go to the section display.
    void press(KeypadKey key);
    const QString &routeDigits() const { return m_routeDigits; }     // Label2(0)
    const QString &sectionDigits() const { return m_sectionDigits; } // Label2(2)
    // True when the digit keys fill the route display.
    bool KeypadRoute() const { return m_keypadRoute; }

    // A digit list's choice, 0 to 9 or none; false (and nothing kept) outside the lists.
    bool choose(DigitList list, int position, std::optional<int> digit);
    std::optional<int> choice(DigitList list, int position) const;

    // What "リセット" of `frame` hands to route setting: the keypad's displays, or the chosen
    // digits joined left to right (a list without a choice adds nothing).
    fare::RouteRequest request(EntryFrameKind frame, const QString &fareFolder) const;

private:
    QString chosenDigits(DigitList list) const;

    QString m_routeDigits;
    QString m_sectionDigits;
    bool m_keypadRoute = false;
    std::array<std::optional<int>, RouteDigitLists> m_routeChoices{};
    std::array<std::optional<int>, SectionDigitLists> m_sectionChoices{};
};

} // namespace app
