#include "731-tool/SendCommand.h"

#include "remote/RemoteNames.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace tool {
namespace {

// Exit status of "send": besides 0 done, the call refused, or no program to ask.
constexpr int ExitRefused = 1;
constexpr int ExitNoProgram = 2;

const char *Statuses =
    R"(Exit status: 0 done, 1 the simulator refused (its own message, quoted, on standard
error), 2 no simulator is running (no session bus, or none answers on it) or wrong usage.
)";

QString withStatuses(const char *text)
{
    return QString::fromUtf8(text) + QStringLiteral("\n") + QString::fromUtf8(Statuses);
}

// What one "send" asks of the console: a method and its arguments.
struct Request
{
    QString method;
    QVariantList arguments;
};

// Qt's bus wants an application object; the tool has none of its own. It lives until the tool
// ends, as the bus connection does.
void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "731-tool";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

// Sends the request; the answer, or the exit status and the message printed.
std::optional<QDBusMessage> ask(const QString &command, const Request &request, ToolIo &io, int *status)
{
    ensureApplication();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        io.error(QStringLiteral("%1: no session bus, so no running simulator to send to").arg(command));
        *status = ExitNoProgram;
        return std::nullopt;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(remote::ServiceName(), remote::ObjectPath(),
                                                       remote::InterfaceName(), request.method);
    call.setArguments(request.arguments);
    const QDBusMessage reply = bus.call(call);
    if (reply.type() != QDBusMessage::ErrorMessage) {
        *status = ExitOk;
        return reply;
    }
    if (reply.errorName() == remote::RefusedError()) {
        QString message = reply.errorMessage();
        message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        io.error(QStringLiteral("%1: the simulator refuses: \"%2\"").arg(command, message));
        *status = ExitRefused;
    } else if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
               reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        io.error(QStringLiteral("%1: no simulator is running (nothing answers as %2 on the session bus)")
                     .arg(command, remote::ServiceName()));
        *status = ExitNoProgram;
    } else {
        io.error(QStringLiteral("%1: %2").arg(command, reply.errorMessage()));
        *status = ExitRefused;
    }
    return std::nullopt;
}

int send(const QString &command, const Request &request, ToolIo &io)
{
    int status = ExitOk;
    ask(command, request, io, &status);
    return status;
}

// on/off (also 1/0, true/false) as a switch's value.
std::optional<bool> onOff(const QString &word)
{
    const QString w = word.toLower();
    if (w == QLatin1String("on") || w == QLatin1String("1") || w == QLatin1String("true"))
        return true;
    if (w == QLatin1String("off") || w == QLatin1String("0") || w == QLatin1String("false"))
        return false;
    return std::nullopt;
}

int sendSwitch(const QString &command, const QString &method, const QString &word, ToolIo &io, const QString &usage)
{
    const std::optional<bool> on = onOff(word);
    if (!on) {
        io.error(QStringLiteral("%1: wants on or off, not '%2'").arg(command, word));
        io.error(usage);
        return ExitUsage;
    }
    return send(command, {method, {*on}}, io);
}

int sendTape(const QString &word, ToolIo &io, const QString &usage)
{
    const QString w = word.toLower();
    const QString method = w == QLatin1String("forward") ? QStringLiteral("TapeForward")
                           : w == QLatin1String("back")  ? QStringLiteral("TapeBack")
                           : w == QLatin1String("stop")  ? QStringLiteral("TapeStop")
                                                         : QString();
    if (method.isEmpty()) {
        io.error(QStringLiteral("send tape: wants forward, back or stop, not '%1'").arg(word));
        io.error(usage);
        return ExitUsage;
    }
    return send(QStringLiteral("send tape"), {method, {}}, io);
}

// The state as JSON; a fare cell that was not written is null.
QJsonObject stateJson(const QVariantMap &state)
{
    QJsonObject json;
    for (auto it = state.begin(); it != state.end(); ++it) {
        if (it.key() != QLatin1String("fares")) {
            json.insert(it.key(), QJsonValue::fromVariant(it.value()));
            continue;
        }
        QJsonArray fares;
        for (int fare : qdbus_cast<QList<int>>(it.value()))
            fares.append(fare < 0 ? QJsonValue() : QJsonValue(fare));
        json.insert(it.key(), fares);
    }
    return json;
}

int sendState(ToolIo &io)
{
    int status = ExitOk;
    const std::optional<QDBusMessage> reply = ask(QStringLiteral("send state"), {QStringLiteral("State"), {}}, io, &status);
    if (!reply)
        return status;
    const QVariantMap state = reply->arguments().isEmpty() ? QVariantMap()
                                                           : qdbus_cast<QVariantMap>(reply->arguments().first());
    io.print(QString::fromUtf8(QJsonDocument(stateJson(state)).toJson(QJsonDocument::Indented)));
    return ExitOk;
}

void add(CommandTable &table, QStringList words, const QString &operands, const QString &summary,
         const char *help, int operandCount,
         const std::function<int(const QStringList &, ToolIo &, const QString &usage)> &run)
{
    ToolCommand command{std::move(words), operands, summary, withStatuses(help), operandCount, {}};
    const QString usage = command.usage();
    command.run = [run, usage](const QStringList &operands, ToolIo &io) { return run(operands, io, usage); };
    table.add(std::move(command));
}

} // namespace

void AddSendCommands(CommandTable &table)
{
    const QString send_ = QStringLiteral("send");
    add(table, {send_, QStringLiteral("route")}, QStringLiteral("ROUTE SECTION"),
        QStringLiteral("set a route on the running simulator, as keyed in on its keypad"),
        R"(Keys in "系統", ROUTE, "区間", SECTION and "リセット" on the running simulator's console,
as its keypad does: the route-setting sound, "系統選別中", the lamp test, the first stop.
A route the simulator cannot set is refused with its own message and changes nothing.
)",
        2, [](const QStringList &o, ToolIo &io, const QString &) {
            return send(QStringLiteral("send route"), {QStringLiteral("SetRoute"), {o[0], o[1]}}, io);
        });
    add(table, {send_, QStringLiteral("reset")}, QString(),
        QStringLiteral("press the keypad's \"リセット\" on the running simulator"),
        R"(Presses "リセット" of the keypad with the route and section its displays hold.
)",
        0, [](const QStringList &, ToolIo &io, const QString &) {
            return send(QStringLiteral("send reset"), {QStringLiteral("Reset"), {}}, io);
        });
    add(table, {send_, QStringLiteral("step")}, QString(),
        QStringLiteral("\"データ送り\": the next stop on the running simulator"),
        R"(Presses "データ送り": the step sound, then the next stop's fares and name. At the last
stop, before a route is set or with the display cleared it is refused.
)",
        0, [](const QStringList &, ToolIo &io, const QString &) {
            return send(QStringLiteral("send step"), {QStringLiteral("StepForward"), {}}, io);
        });
    add(table, {send_, QStringLiteral("back")}, QString(),
        QStringLiteral("\"データ戻し\": the stop before on the running simulator"),
        R"(Presses "データ戻し": the step sound, then the previous stop's fares and name. At the
first stop, before a route is set or with the display cleared it is refused.
)",
        0, [](const QStringList &, ToolIo &io, const QString &) {
            return send(QStringLiteral("send back"), {QStringLiteral("StepBack"), {}}, io);
        });
    add(table, {send_, QStringLiteral("late-night")}, QStringLiteral("on|off"),
        QStringLiteral("\"深夜料金\" on or off on the running simulator"),
        R"(Checks or clears "深夜料金"; the fares follow at the next stop shown.
)",
        1, [](const QStringList &o, ToolIo &io, const QString &usage) {
            return sendSwitch(QStringLiteral("send late-night"), QStringLiteral("SetLateNight"), o[0], io, usage);
        });
    add(table, {send_, QStringLiteral("clear")}, QStringLiteral("on|off"),
        QStringLiteral("\"表示消去\" on or off on the running simulator"),
        R"(Checks or clears "表示消去": the panel blank and route entry held, or the stop shown again.
)",
        1, [](const QStringList &o, ToolIo &io, const QString &usage) {
            return sendSwitch(QStringLiteral("send clear"), QStringLiteral("SetDisplayClear"), o[0], io, usage);
        });
    add(table, {send_, QStringLiteral("backlight")}, QStringLiteral("off|on1|on2"),
        QStringLiteral("the running simulator's backlight"),
        R"(Selects the backlight "OFF", "ON1" or "ON2" (also 0, 1, 2).
)",
        1, [](const QStringList &o, ToolIo &io, const QString &) {
            return send(QStringLiteral("send backlight"), {QStringLiteral("SetBacklight"), {o[0]}}, io);
        });
    add(table, {send_, QStringLiteral("tape")}, QStringLiteral("forward|back|stop"),
        QStringLiteral("the announcement tape's \"送り\", \"戻し\" or \"■\" on the running simulator"),
        R"(Presses a button of the announcement tape: forward "送り", back "戻し", stop "■". The
tape is usable once a route with broadcast data is set and a voice is found.
)",
        1, [](const QStringList &o, ToolIo &io, const QString &usage) { return sendTape(o[0], io, usage); });
    add(table, {send_, QStringLiteral("panel")}, QStringLiteral("PANEL.png"),
        QStringLiteral("save the running simulator's panel as shown to a PNG picture"),
        R"(The running simulator writes its panel window, as it shows it now, to PANEL.png.
)",
        1, [](const QStringList &o, ToolIo &io, const QString &) {
            return send(QStringLiteral("send panel"), {QStringLiteral("SavePanel"), {QFileInfo(o[0]).absoluteFilePath()}}, io);
        });
    add(table, {send_, QStringLiteral("state")}, QString(),
        QStringLiteral("print what the running simulator's console shows, as JSON"),
        R"(Prints the console's state as JSON: "route" and "section" set (empty and 0 before the
first route), "stop" the row the panel shows and "stopName" its name (0 and empty while none
is shown), "fares" what fare cells 1 to 30 show (null where a cell was not written),
"lateNight", "displayClear" and "backlight" ("off", "on1", "on2").
)",
        0, [](const QStringList &, ToolIo &io, const QString &) { return sendState(io); });
}

} // namespace tool
