#include "731-tool/PanelRenderer.h"

#include "731-tool/ToolCommand.h"

#include "app/Form1.h"
#include "app/ConsoleController.h"
#include "app/ConsoleDriver.h"
#include "app/Forms.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/ManualScrollClock.h"
#include "fare/RoutePath.h"
#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "ui/RecordingMessagePresenter.h"
#include "settings/Options.h"
#include "settings/mdlIniIoEx.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

namespace tool {
namespace {

PanelRendering Failure(const QString &why)
{
    PanelRendering r;
    r.error = why;
    return r;
}

// The program showed its own messages about `file`.
PanelRendering Refusal(const QStringList &messages, const QString &file)
{
    PanelRendering r = Failure(messages.join(QStringLiteral("\n")));
    r.refused = true;
    r.file = file;
    return r;
}

} // namespace

PanelRendering RenderPanel(const PanelScene &scene)
{
    QTemporaryDir home;
    if (!home.isValid())
        return Failure(QStringLiteral("render: cannot make a temporary folder"));
    // The settings file, if any, is read from beside a program of our own.
    if (!scene.settingsFile.isEmpty()) {
        if (!QFile::exists(scene.settingsFile))
            return Failure(QStringLiteral("%1: no such settings file").arg(scene.settingsFile));
        QFile settings(scene.settingsFile);
        if (!settings.open(QIODevice::ReadOnly))
            return Failure(QStringLiteral("%1: cannot be read: %2").arg(scene.settingsFile, settings.errorString()));
        // Nothing past the largest layout is a field.
        const QByteArray bytes = settings.read(settings::mdlIniIoEx::MaxFileSize);
        const base::AtomicFile::Result copied =
            base::AtomicFile::write(home.filePath(QStringLiteral("731.in4")), bytes);
        if (!copied.ok())
            return Failure(QStringLiteral("%1: cannot be copied: %2").arg(scene.settingsFile, copied.reason));
    }

    base::SystemClock clock;
    base::NoWaitSleeper sleeper;
    // Messages are written down, never shown; the scroll moves only when the renderer says so.
    ui::RecordingMessagePresenter messages;
    controls::ManualScrollClock scrollClock;
    app::AppServices services;
    services.clock = &clock;
    services.sleeper = &sleeper;
    services.messages = &messages;
    services.quit = [] {};
    services.programPath = home.filePath(QStringLiteral("731"));
    services.settingsFallbackFolder = home.filePath(QStringLiteral("config"));
    services.scrollClock = &scrollClock;

    app::Forms forms(services);
    forms.start();
    if (!messages.shown.empty())
        return Refusal(messages.texts(), scene.settingsFile);

    app::ConsoleController &console = forms.controller();
    settings::Options &options = forms.options();
    if (!scene.fareDir.isEmpty())
        options.change([&](settings::OptionRecords &r) { r.folder.FareDataDir = scene.fareDir; });
    else if (options.fareDataFolder().isEmpty())
        return Failure(QStringLiteral("%1: names no fare data folder; give --fare-dir").arg(scene.settingsFile));
    console.setBacklight(static_cast<settings::Backlight>(qBound(0, scene.backlight, 2)));
    console.setLateNight(scene.lateNight ? app::CheckValue::Checked : app::CheckValue::Unchecked);
    app::ConsoleDriver driver(console);
    driver.keyInRoute(scene.route, QString::number(scene.section));
    if (!messages.shown.empty())
        return Refusal(messages.texts(), fare::FareFilePath(options.fareDataFolder(), scene.route));

    const fare::RouteState &route = forms.route();
    const int target = scene.stop > 0 ? scene.stop : route.CurIndex() + 1;
    if (target > route.RowCount())
        return Failure(QStringLiteral("%1: stop %2 is beyond the last stop of route %3 (%4)")
                        .arg(fare::FareFilePath(options.fareDataFolder(), scene.route), QString::number(target), scene.route,
                             Plural(route.RowCount(), QStringLiteral("stop"))));
    driver.stepTo(target);

    // A scrolling name moves as it would in that many milliseconds, frame by frame.
    constexpr int FrameMs = 16;
    for (int elapsed = 0; elapsed < scene.scrollMs; elapsed += FrameMs) {
        scrollClock.advance(qMin(FrameMs, scene.scrollMs - elapsed));
        forms.panel().ChimeiCtl->advanceScroll();
    }
    QCoreApplication::processEvents();
    PanelRendering drawn;
    drawn.image = forms.panel().grab().toImage();
    return drawn;
}

} // namespace tool
