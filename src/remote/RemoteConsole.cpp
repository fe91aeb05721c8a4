#include "remote/RemoteConsole.h"

#include "app/ConsoleController.h"
#include "app/ConsoleDriver.h"
#include "fare/RouteSetting.h"

#include <QRegularExpression>

#include <memory>

namespace remote {

using app::ActionResult;
using app::ConsoleControl;

namespace {

bool isDigits(const QString &text, int fewest, int most)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    return text.size() >= fewest && text.size() <= most && digits.match(text).hasMatch();
}

} // namespace

RemoteConsole::RemoteConsole(app::ConsoleController &console, const settings::Options &options,
                             std::function<QString()> openWindow)
    : m_console(console), m_options(options), m_openWindow(std::move(openWindow))
{
}

// The caller is answered when the action has ended, or earlier, once the panel has begun to
// show the new stop: a long name keeps the action on the stack while it scrolls.
void RemoteConsole::perform(const Answer &answer, const std::function<ActionResult()> &action,
                            const QString &whenNothingDone)
{
    // Shared with the connection, which a nested call may still fire after this call answered.
    auto answered = std::make_shared<bool>(false);
    auto once = [answered, answer](const RemoteOutcome &outcome) {
        if (*answered)
            return;
        *answered = true;
        answer(outcome);
    };
    const QMetaObject::Connection shown =
        QObject::connect(&m_console, &app::ConsoleController::shownStopChanged, [once] { once(RemoteOutcome::ok()); });
    const ActionResult result = action();
    QObject::disconnect(shown);
    if (result.done || (result.message.isEmpty() && whenNothingDone.isEmpty()))
        once(RemoteOutcome::ok());
    else
        once(RemoteOutcome::refusal(result.message.isEmpty() ? whenNothingDone : result.message));
}

// Why the control with `caption` cannot be used now, if it cannot: a window that keeps the
// console from being clicked is open, or one of `controls` is disabled.
std::optional<QString> RemoteConsole::refusal(std::initializer_list<ConsoleControl> controls, const QString &caption) const
{
    if (const QString window = m_openWindow ? m_openWindow() : QString(); !window.isEmpty())
        return QStringLiteral("「%1」が開いているため「%2」を使えません。閉じてから操作して下さい。").arg(window, caption);
    for (ConsoleControl control : controls) {
        if (!m_console.isEnabled(control))
            return unusable(caption);
    }
    return std::nullopt;
}

QString RemoteConsole::unusable(const QString &caption) const
{
    if (m_console.displayCleared())
        return QStringLiteral("「表示消去」中は「%1」を使えません。").arg(caption);
    if (!m_console.route().IsLoaded())
        return QStringLiteral("系統が設定されていないため「%1」を使えません。").arg(caption);
    return QStringLiteral("「%1」は今は使えません。").arg(caption);
}

void RemoteConsole::setRoute(const QString &route, const QString &section, const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::KeypadFrame}, QStringLiteral("リセット")))
        return answer(RemoteOutcome::refusal(*why));
    if (!isDigits(route, 1, 5))
        return answer(RemoteOutcome::refusal(QStringLiteral("系統番号は1から5桁の数字です: 「%1」").arg(route)));
    if (!isDigits(section, 0, 3))
        return answer(RemoteOutcome::refusal(QStringLiteral("区間番号は3桁までの数字です: 「%1」").arg(section)));
    app::ConsoleDriver(m_console).keyInEntry(route, section);
    resetFromKeypad(answer);
}

void RemoteConsole::reset(const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::KeypadFrame}, QStringLiteral("リセット")))
        return answer(RemoteOutcome::refusal(*why));
    resetFromKeypad(answer);
}

// A route the console refuses shows its message in a box that waits for the operator; the
// caller has its answer, the same message, before the box opens.
void RemoteConsole::resetFromKeypad(const Answer &answer)
{
    const fare::RouteDecision decision =
        fare::DecideRoute(m_console.entry().request(app::KeypadFrame, m_options.fareDataFolder()));
    if (!decision.accepted()) {
        answer(RemoteOutcome::refusal(decision.message));
        m_console.setRoute(app::KeypadFrame);
        return;
    }
    perform(answer, [this] { return m_console.setRoute(app::KeypadFrame); });
}

void RemoteConsole::step(app::StepDirection direction, const Answer &answer)
{
    const bool back = direction == app::DataBack;
    const QString caption = back ? QStringLiteral("データ戻し") : QStringLiteral("データ送り");
    if (const std::optional<QString> why = refusal({back ? ConsoleControl::DataBack : ConsoleControl::DataForward}, caption))
        return answer(RemoteOutcome::refusal(*why));
    const QString atEnd = back ? QStringLiteral("最初の停留所です。「データ戻し」で戻れません。")
                               : QStringLiteral("最後の停留所です。「データ送り」で進めません。");
    perform(answer, [this, direction] { return m_console.step(direction); }, atEnd);
}

void RemoteConsole::setLateNight(bool on, const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::NightAndScroll}, QStringLiteral("深夜料金")))
        return answer(RemoteOutcome::refusal(*why));
    const app::CheckValue value = on ? app::CheckValue::Checked : app::CheckValue::Unchecked;
    perform(answer, [this, value] { return m_console.setLateNight(value); });
}

void RemoteConsole::setDisplayClear(bool on, const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::DisplayClear}, QStringLiteral("表示消去")))
        return answer(RemoteOutcome::refusal(*why));
    perform(answer, [this, on] { return m_console.setDisplayClear(on); });
}

// The backlight is always taken, even when its picture then fails to load and says so in a
// box; the caller is answered before that.
void RemoteConsole::setBacklight(const QString &state, const Answer &answer)
{
    const std::optional<settings::Backlight> backlight = backlightNamed(state);
    if (!backlight)
        return answer(RemoteOutcome::refusal(QStringLiteral("バックライトは off, on1, on2 のどれかです: 「%1」").arg(state)));
    if (const std::optional<QString> why = refusal({}, QStringLiteral("バックライト")))
        return answer(RemoteOutcome::refusal(*why));
    answer(RemoteOutcome::ok());
    m_console.setBacklight(*backlight);
}

void RemoteConsole::tapeForward(const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::TapeGroup, ConsoleControl::TapeNext}, QStringLiteral("送り")))
        return answer(RemoteOutcome::refusal(*why));
    perform(answer, [this] { return m_console.tapeNext(); });
}

void RemoteConsole::tapeBack(const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::TapeGroup, ConsoleControl::TapeBack}, QStringLiteral("戻し")))
        return answer(RemoteOutcome::refusal(*why));
    perform(answer, [this] { return m_console.tapeBack(); });
}

void RemoteConsole::tapeStop(const Answer &answer)
{
    if (const std::optional<QString> why = refusal({ConsoleControl::TapeGroup, ConsoleControl::TapeStop}, QStringLiteral("■")))
        return answer(RemoteOutcome::refusal(*why));
    perform(answer, [this] { return m_console.tapeStop(); });
}

ConsoleState RemoteConsole::state() const
{
    ConsoleState s;
    const fare::RouteState &route = m_console.route();
    if (route.IsLoaded()) {
        s.route = route.RouteNo();
        s.section = route.StartSection();
    }
    s.stop = m_console.shownRow();
    s.stopName = m_console.shownStopName();
    for (const std::optional<int16_t> &fare : m_console.shownFares())
        s.fares.append(fare ? int(*fare) : -1);
    s.lateNight = m_console.lateNight();
    s.displayClear = m_console.displayCleared();
    s.backlight = backlightName(m_console.backlight());
    return s;
}

std::optional<settings::Backlight> RemoteConsole::backlightNamed(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("off") || n == QLatin1String("0"))
        return settings::Backlight::Off;
    if (n == QLatin1String("on1") || n == QLatin1String("1"))
        return settings::Backlight::On1;
    if (n == QLatin1String("on2") || n == QLatin1String("2"))
        return settings::Backlight::On2;
    return std::nullopt;
}

QString RemoteConsole::backlightName(std::optional<settings::Backlight> state)
{
    if (!state)
        return {};
    switch (*state) {
    case settings::Backlight::Off: return QStringLiteral("off");
    case settings::Backlight::On1: return QStringLiteral("on1");
    case settings::Backlight::On2: return QStringLiteral("on2");
    }
    return {};
}

} // namespace remote
