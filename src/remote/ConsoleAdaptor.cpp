#include "remote/ConsoleAdaptor.h"

#include "app/ConsoleController.h"
#include "remote/RemoteNames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTimer>

namespace remote {

ConsoleAdaptor::ConsoleAdaptor(app::ConsoleController &console, const settings::Options &options,
                               std::function<bool(const QString &)> savePanel, std::function<QString()> openWindow,
                               QObject *parent)
    : QObject(parent), m_remote(console, options, std::move(openWindow)), m_console(console),
      m_savePanel(std::move(savePanel))
{
    connect(&m_console, &app::ConsoleController::shownStopChanged, this,
            [this](int row) { emit StopChanged(row, m_console.shownStopName()); });
}

bool ConsoleAdaptor::registerOnSessionBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    // The object first, so that whoever sees the name appear finds the console behind it.
    if (!bus.registerObject(ObjectPath(), InterfaceName(), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals))
        return false;
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claimed = bus.interface()->registerService(
        ServiceName(), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (!claimed.isValid() || claimed.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(ObjectPath());
        return false;
    }
    return true;
}

// Over the bus the reply is delayed until the outcome is known, which may be before the action
// has returned.
void ConsoleAdaptor::call(Action action)
{
    Answer answer = [](const RemoteOutcome &) {};
    if (calledFromDBus()) {
        setDelayedReply(true);
        answer = [request = message(), bus = connection()](const RemoteOutcome &outcome) mutable {
            bus.send(outcome.refused ? request.createErrorReply(RefusedError(), outcome.message) : request.createReply());
        };
    }
    runWhenConsoleIsFree(action, answer);
}

// A call that arrives while a console action lets waiting events run (a data step, the lamp
// test) would run inside it and leave the panel half one stop, half another: it waits until that
// action has ended.
void ConsoleAdaptor::runWhenConsoleIsFree(const Action &action, const Answer &answer)
{
    if (m_console.isLettingEventsRun()) {
        QTimer::singleShot(0, this, [this, action, answer] { runWhenConsoleIsFree(action, answer); });
        return;
    }
    action(answer);
}

void ConsoleAdaptor::SetRoute(const QString &route, const QString &section)
{
    call([=, this](const Answer &answer) { m_remote.setRoute(route, section, answer); });
}

void ConsoleAdaptor::Reset()
{
    call([=, this](const Answer &answer) { m_remote.reset(answer); });
}

void ConsoleAdaptor::StepForward()
{
    call([=, this](const Answer &answer) { m_remote.step(app::DataForward, answer); });
}

void ConsoleAdaptor::StepBack()
{
    call([=, this](const Answer &answer) { m_remote.step(app::DataBack, answer); });
}

void ConsoleAdaptor::SetLateNight(bool on)
{
    call([=, this](const Answer &answer) { m_remote.setLateNight(on, answer); });
}

void ConsoleAdaptor::SetDisplayClear(bool on)
{
    call([=, this](const Answer &answer) { m_remote.setDisplayClear(on, answer); });
}

void ConsoleAdaptor::SetBacklight(const QString &state)
{
    call([=, this](const Answer &answer) { m_remote.setBacklight(state, answer); });
}

void ConsoleAdaptor::TapeForward()
{
    call([=, this](const Answer &answer) { m_remote.tapeForward(answer); });
}

void ConsoleAdaptor::TapeBack()
{
    call([=, this](const Answer &answer) { m_remote.tapeBack(answer); });
}

void ConsoleAdaptor::TapeStop()
{
    call([=, this](const Answer &answer) { m_remote.tapeStop(answer); });
}

QVariantMap ConsoleAdaptor::State()
{
    const ConsoleState s = m_remote.state();
    return {
        {QStringLiteral("route"), s.route},
        {QStringLiteral("section"), s.section},
        {QStringLiteral("stop"), s.stop},
        {QStringLiteral("stopName"), s.stopName},
        {QStringLiteral("fares"), QVariant::fromValue(s.fares)},
        {QStringLiteral("lateNight"), s.lateNight},
        {QStringLiteral("displayClear"), s.displayClear},
        {QStringLiteral("backlight"), s.backlight},
    };
}

void ConsoleAdaptor::SavePanel(const QString &path)
{
    if (m_savePanel && m_savePanel(path))
        return;
    if (calledFromDBus())
        sendErrorReply(RefusedError(), QStringLiteral("パネルの画像を書き込めません: %1").arg(path));
}

} // namespace remote
