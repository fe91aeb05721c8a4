// The console as other programs drive it: every call answered exactly once, as soon as its
// outcome is known; what the console would refuse, or a disabled control, refused with a message
// and nothing changed; the stop-changed signal once per stop the panel begins to show.

#include "HeadlessServices.h"
#include "RecordingViews.h"
#include "ThreeStopRoute.h"
#include "app/ConsoleController.h"
#include "base/Cp932.h"
#include "fare/Hy3Writer.h"
#include "remote/ConsoleAdaptor.h"
#include "remote/RemoteConsole.h"
#include "settings/Options.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using remote::RemoteOutcome;

class Remote : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bool written = false;
        options.change([&](settings::OptionRecords &r) { written = useThreeStopRoute(dir.path(), r); });
        ASSERT_TRUE(written);
        headless.log = &log;
        console = std::make_unique<app::ConsoleController>(headless.appServices(), options, views.views());
        remote = std::make_unique<remote::RemoteConsole>(*console, options);
        adaptor = std::make_unique<remote::ConsoleAdaptor>(*console, options, nullptr);
        QObject::connect(adaptor.get(), &remote::ConsoleAdaptor::StopChanged,
                         [this](int stop, const QString &name) { stopsSignalled << QStringLiteral("%1 %2").arg(stop).arg(name); });
    }

    // An answer that writes itself into the log, in order with what the console did.
    remote::Answer answer()
    {
        return [this](const RemoteOutcome &o) {
            log << (o.refused ? QStringLiteral("refused ") + o.message : QStringLiteral("answer ok"));
        };
    }

    // The log of one call, without the fare cells' writes and the keypad's echo.
    QStringList call(const std::function<void(const remote::Answer &)> &action)
    {
        log.clear();
        action(answer());
        return without(log, {QStringLiteral("panel cell "), QStringLiteral("console keypad"), QStringLiteral("console enable"),
                                  QStringLiteral("play /key.wav")});
    }

    QStringList answers(const QStringList &effects) const
    {
        QStringList a;
        for (const QString &line : effects) {
            if (line.startsWith(QStringLiteral("answer")) || line.startsWith(QStringLiteral("refused")))
                a << line;
        }
        return a;
    }

    QTemporaryDir dir;
    QStringList log;
    QStringList stopsSignalled;
    HeadlessServices headless;
    settings::Options options{QDate(2026, 12, 7)};
    RecordingViews views{log};
    std::unique_ptr<app::ConsoleController> console;
    std::unique_ptr<remote::RemoteConsole> remote;
    std::unique_ptr<remote::ConsoleAdaptor> adaptor;
};

TEST_F(Remote, ACallIsAnsweredOnceAsSoonAsItsOutcomeIsKnownAndARefusalChangesNothing)
{
    // Nothing to step before a route: refused, and the console does nothing at all.
    EXPECT_EQ(call([&](auto a) { remote->step(app::DataForward, a); }),
              QStringList{"refused 系統が設定されていないため「データ送り」を使えません。"});

    // The route is keyed in and set as on the keypad; the caller is answered once the first stop's
    // fares are up, before its name is set (a long name would scroll on, keeping the call busy).
    QStringList effects = call([&](auto a) { remote->setRoute(QStringLiteral("1"), QStringLiteral("1"), a); });
    EXPECT_EQ(answers(effects), QStringList{"answer ok"});
    EXPECT_EQ(effects.first(), QStringLiteral("play /route.wav S1"));
    EXPECT_LT(effects.indexOf(QStringLiteral("sleep 3000")), effects.indexOf(QStringLiteral("answer ok")));
    EXPECT_LT(effects.indexOf(QStringLiteral("answer ok")), effects.indexOf(QStringLiteral("panel name 停留所1")));

    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(answers(call([&](auto a) { remote->step(app::DataForward, a); })), QStringList{"answer ok"});

    // Past the last stop: refused with why, no sound, nothing shown, the state as it was.
    const remote::ConsoleState before = remote->state();
    EXPECT_EQ(call([&](auto a) { remote->step(app::DataForward, a); }),
              QStringList{"refused 最後の停留所です。「データ送り」で進めません。"});
    // A route the console refuses: the caller has the console's own message before its box opens.
    effects = call([&](auto a) { remote->setRoute(QStringLiteral("9"), QString(), a); });
    EXPECT_EQ(effects, (QStringList{"refused 指定した系統のデータがありません...", "play /route.wav S1",
                                    "console message 指定した系統のデータがありません..."}));
    // Not digits: refused before any key is pressed.
    EXPECT_EQ(call([&](auto a) { remote->setRoute(QStringLiteral("1a"), QStringLiteral("1"), a); }),
              QStringList{"refused 系統番号は1から5桁の数字です: 「1a」"});
    const remote::ConsoleState after = remote->state();
    EXPECT_EQ(after.route, QStringLiteral("1"));
    EXPECT_EQ(after.stop, 3);
    EXPECT_EQ(after.stopName, QStringLiteral("停留所3"));
    EXPECT_EQ(after.fares, before.fares);
    EXPECT_EQ(after.fares.value(2), 33);

    // Asking for what already is, is done; a disabled control is refused with why.
    EXPECT_EQ(answers(call([&](auto a) { remote->setLateNight(true, a); })), QStringList{"answer ok"});
    EXPECT_EQ(call([&](auto a) { remote->setLateNight(true, a); }), QStringList{"answer ok"});
    EXPECT_EQ(answers(call([&](auto a) { remote->setDisplayClear(true, a); })), QStringList{"answer ok"});
    EXPECT_EQ(call([&](auto a) { remote->setLateNight(false, a); }),
              QStringList{"refused 「表示消去」中は「深夜料金」を使えません。"});
    EXPECT_EQ(call([&](auto a) { remote->tapeForward(a); }), QStringList{"refused 「表示消去」中は「送り」を使えません。"});
    EXPECT_EQ(call([&](auto a) { remote->setBacklight(QStringLiteral("bright"), a); }),
              QStringList{"refused バックライトは off, on1, on2 のどれかです: 「bright」"});
    EXPECT_EQ(answers(call([&](auto a) { remote->setBacklight(QStringLiteral("ON2"), a); })), QStringList{"answer ok"});

    const remote::ConsoleState cleared = remote->state();
    EXPECT_TRUE(cleared.lateNight);
    EXPECT_TRUE(cleared.displayClear);
    EXPECT_EQ(cleared.stop, 0);
    EXPECT_EQ(cleared.fares, QList<int>(30, -1));
    EXPECT_EQ(cleared.backlight, QStringLiteral("on2"));

    // A window in front of the console keeps it from being clicked, and from being called.
    remote::RemoteConsole behindOptions(*console, options, [] { return QStringLiteral("オプション"); });
    EXPECT_EQ(call([&](auto a) { behindOptions.setBacklight(QStringLiteral("off"), a); }),
              QStringList{"refused 「オプション」が開いているため「バックライト」を使えません。閉じてから操作して下さい。"});
    EXPECT_EQ(remote->state().backlight, QStringLiteral("on2"));
}

TEST_F(Remote, TheStopChangedSignalFiresOncePerStopShown)
{
    auto ignore = [](const RemoteOutcome &) {};
    remote->setRoute(QStringLiteral("1"), QStringLiteral("1"), ignore);
    remote->step(app::DataForward, ignore);
    remote->step(app::DataForward, ignore);
    remote->step(app::DataForward, ignore); // refused: no signal
    remote->setLateNight(true, ignore);     // the shown stop stays
    // The same route set again: the panel shows no stop from "系統選別中" on, then the first.
    remote->reset(ignore);
    remote->reset(ignore);
    remote->setDisplayClear(true, ignore);
    remote->setDisplayClear(false, ignore);
    EXPECT_EQ(stopsSignalled, (QStringList{"1 停留所1", "2 停留所2", "3 停留所3", "0 ", "1 停留所1", "0 ", "1 停留所1",
                                           "0 ", "1 停留所1"}));
}

// Calls that arrive while an action lets waiting events run (a data step before its stop name,
// the lamp test's paints) run after it, so the panel never shows one stop's fares under
// another's name and the route set again still starts at its first stop.
TEST_F(Remote, ACallArrivingInsideAnActionRunsAfterIt)
{
    adaptor->SetRoute(QStringLiteral("1"), QStringLiteral("1"));
    int arriving = 1;
    views.panel.eventsArriving = [&] {
        if (arriving-- > 0)
            adaptor->StepForward();
    };
    adaptor->StepForward();
    EXPECT_EQ(console->shownRow(), 2) << "the nested step waits";
    QCoreApplication::processEvents();
    EXPECT_EQ(console->route().CurIndex() + 1, 3);
    EXPECT_EQ(console->shownRow(), 3);
    EXPECT_EQ(views.panel.name, QStringLiteral("停留所3"));
    EXPECT_EQ(views.panel.cells[1], QStringLiteral("31"));
    EXPECT_EQ(stopsSignalled.mid(1), (QStringList{"2 停留所2", "3 停留所3"}));

    // A step sent during the lamp test of the route set again runs once the first stop is shown.
    arriving = 1;
    adaptor->Reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(stopsSignalled.mid(3), (QStringList{"0 ", "1 停留所1", "2 停留所2"}));
    EXPECT_EQ(views.panel.name, QStringLiteral("停留所2"));
}
