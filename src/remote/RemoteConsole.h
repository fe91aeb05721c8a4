#pragma once

#include "app/ConsoleTypes.h"
#include "settings/Options.h"

#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>
#include <optional>

namespace app {
class ConsoleController;
}

namespace remote {

// How a remote call ended: done, or refused with the text that says why.
struct RemoteOutcome
{
    bool refused = false;
    QString message;

    static RemoteOutcome ok() { return {}; }
    static RemoteOutcome refusal(const QString &message) { return {true, message}; }
};

// Takes a call's outcome, exactly once, as soon as it is known. An action may go on long after
// that: a long stop name keeps the display busy scrolling until the next name, and a refused
// route waits for its message box to be closed; the caller is answered before either.
using Answer = std::function<void(const RemoteOutcome &)>;

// What the console shows, for a remote reader.
struct ConsoleState
{
    QString route;        // the route set, as entered; empty before the first
    int section = 0;      // its starting section
    int stop = 0;         // the row the panel shows, 0 when none (no route yet, display clear)
    QString stopName;     // that row's stop name
    QList<int> fares;     // what cells 1 to 30 were given; -1 where a cell was not written
    bool lateNight = false;
    bool displayClear = false;
    QString backlight;    // "off", "on1", "on2", or empty when no backlight button is selected
};

// The console's actions as another program asks for them. Each goes through the same
// ConsoleController action as the console's button, sounds and announcements included. A call
// the console would refuse, or one on a control that is disabled, is answered with a refusal
// whose message is the console's own text where it has one, and changes nothing; asking for
// what already is (late night on while on) is done.
class RemoteConsole
{
public:
    // `openWindow` names a window open in front of the console that keeps its controls from
    // being clicked (a message box, the options window), or is empty when there is none; the
    // console's calls are refused meanwhile, as its clicks are.
    RemoteConsole(app::ConsoleController &console, const settings::Options &options,
                  std::function<QString()> openWindow = {});

    // The keypad: "系統", the route's digits, "区間", the section's digits, "リセット".
    void setRoute(const QString &route, const QString &section, const Answer &answer);
    // The keypad's "リセット" with what its displays hold.
    void reset(const Answer &answer);
    void step(app::StepDirection direction, const Answer &answer);
    void setLateNight(bool on, const Answer &answer);
    void setDisplayClear(bool on, const Answer &answer);
    // "off", "on1", "on2" (any case) or "0", "1", "2".
    void setBacklight(const QString &state, const Answer &answer);
    void tapeForward(const Answer &answer);
    void tapeBack(const Answer &answer);
    void tapeStop(const Answer &answer);

    ConsoleState state() const;

    static std::optional<settings::Backlight> backlightNamed(const QString &name);
    static QString backlightName(std::optional<settings::Backlight> state);

private:
    void perform(const Answer &answer, const std::function<app::ActionResult()> &action,
                 const QString &whenNothingDone = {});
    void resetFromKeypad(const Answer &answer);
    std::optional<QString> refusal(std::initializer_list<app::ConsoleControl> controls, const QString &caption) const;
    QString unusable(const QString &caption) const;

    app::ConsoleController &m_console;
    const settings::Options &m_options;
    std::function<QString()> m_openWindow;
};

} // namespace remote
