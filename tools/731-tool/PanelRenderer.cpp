#include "731-tool/PanelRenderer.h"

#include "731-tool/ToolCommand.h"

#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/ScrollClock.h"
#include "fare/RoutePath.h"
#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "ui/MessagePresenter.h"
#include "settings/Options.h"
#include "settings/mdlIniIoEx.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace tool {
namespace {

// Messages are collected, never shown.
class CollectedMessages final : public ui::MessagePresenter
{
public:
    Answer show(QWidget *, const QString &text, const QString &, Buttons buttons, Icon) override
    {
        texts << text;
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QStringList texts;
};

// The scroll moves only when the renderer says so.
class ManualScrollClock final : public controls::ScrollClock
{
public:
    int64_t nowMs() const override { return m_now; }
    void advance(int64_t ms) { m_now += ms; }

private:
    int64_t m_now = 0;
};

void press(app::frmCtl &console, const QString &digits)
{
    for (QChar c : digits) {
        if (c.isDigit())
            console.CommandButton1[c.digitValue()]->click();
    }
}

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
    CollectedMessages messages;
    ManualScrollClock scrollClock;
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
    if (!messages.texts.isEmpty())
        return Refusal(messages.texts, scene.settingsFile);

    app::frmCtl &console = forms.console();
    settings::Options &options = forms.options();
    if (!scene.fareDir.isEmpty())
        options.change([&](settings::OptionRecords &r) { r.folder.FareDataDir = scene.fareDir; });
    else if (options.fareDataFolder().isEmpty())
        return Failure(QStringLiteral("%1: names no fare data folder; give --fare-dir").arg(scene.settingsFile));
    console.Option4[qBound(0, scene.backlight, 2)]->setChecked(true);
    console.Check2->setChecked(scene.lateNight);

    console.CommandButton1[10]->click();
    press(console, scene.route);
    console.CommandButton1[11]->click();
    press(console, QString::number(scene.section));
    console.Command1[1]->click();
    if (!messages.texts.isEmpty())
        return Refusal(messages.texts, fare::FareFilePath(options.fareDataFolder(), scene.route));

    const fare::RouteState &route = forms.route();
    const int target = scene.stop > 0 ? scene.stop : route.CurIndex() + 1;
    if (target > route.RowCount())
        return Failure(QStringLiteral("%1: stop %2 is beyond the last stop of route %3 (%4)")
                        .arg(fare::FareFilePath(options.fareDataFolder(), scene.route), QString::number(target), scene.route,
                             Plural(route.RowCount(), QStringLiteral("stop"))));
    while (route.CurIndex() + 1 < target)
        console.Command2[1]->click();
    while (route.CurIndex() + 1 > target)
        console.Command2[0]->click();

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
