#pragma once

#include "remote/RemoteConsole.h"

#include <QDBusContext>
#include <QObject>
#include <QVariantMap>

#include <functional>

namespace app {
class ConsoleController;
}

namespace remote {

// The console on the session bus: each method is one RemoteConsole call, a refusal becomes the
// error RefusedError() carrying the console's message. The reply goes as soon as the outcome is
// known (see Answer), so a caller is never kept waiting by a scrolling name or a message box.
//
// Called directly (not over the bus), the methods act the same and report nothing.
class ConsoleAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    // The interface its methods and signal are known by on the bus, InterfaceName().
    Q_CLASSINFO("D-Bus Interface", HARUNE_APP_ID ".Console")

public:
    // `savePanel` writes the panel as shown to a PNG file, false when it could not; `openWindow`
    // as for RemoteConsole.
    ConsoleAdaptor(app::ConsoleController &console, const settings::Options &options,
                   std::function<bool(const QString &path)> savePanel, std::function<QString()> openWindow = {},
                   QObject *parent = nullptr);

    // Puts the console on the session bus under ServiceName() and ObjectPath(). False, silently,
    // without a session bus or when another run holds the name; the program then runs without.
    bool registerOnSessionBus();

public slots:
    void SetRoute(const QString &route, const QString &section);
    void Reset();
    void StepForward();
    void StepBack();
    void SetLateNight(bool on);
    void SetDisplayClear(bool on);
    void SetBacklight(const QString &state);
    void TapeForward();
    void TapeBack();
    void TapeStop();
    // route (s), section (i), stop (i), stopName (s), fares (ai, -1 where a cell was not
    // written), lateNight (b), displayClear (b), backlight (s).
    QVariantMap State();
    void SavePanel(const QString &path);

signals:
    // The panel began to show another stop (0: none).
    void StopChanged(int stop, const QString &stopName);

private:
    using Action = std::function<void(const Answer &)>;
    void call(Action action);
    void runWhenConsoleIsFree(const Action &action, const Answer &answer);

    RemoteConsole m_remote;
    app::ConsoleController &m_console;
    std::function<bool(const QString &)> m_savePanel;
};

} // namespace remote
