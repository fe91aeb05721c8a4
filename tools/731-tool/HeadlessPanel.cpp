#include "731-tool/HeadlessPanel.h"

#include "731-tool/ToolCommand.h"

#include "app/ConsoleController.h"
#include "app/ConsoleDriver.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "base/AtomicFile.h"
#include "base/Magnify.h"
#include "controls/ChimeiCtl_DX.h"
#include "fare/RoutePath.h"
#include "settings/Options.h"
#include "settings/mdlIniIoEx.h"

#include <QCoreApplication>
#include <QFile>

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

HeadlessPanel::HeadlessPanel(const PanelScene &scene)
{
    setUp(scene);
}

HeadlessPanel::~HeadlessPanel() = default;

// The settings file, if any, is read from beside a program of our own.
bool HeadlessPanel::copySettings(const QString &file)
{
    if (!QFile::exists(file)) {
        m_failure = Failure(QStringLiteral("%1: no such settings file").arg(file));
        return false;
    }
    QFile settings(file);
    if (!settings.open(QIODevice::ReadOnly)) {
        m_failure = Failure(QStringLiteral("%1: cannot be read: %2").arg(file, settings.errorString()));
        return false;
    }
    // Nothing past the largest layout is a field.
    const QByteArray bytes = settings.read(settings::mdlIniIoEx::MaxFileSize);
    const base::AtomicFile::Result copied = base::AtomicFile::write(m_home.filePath(QStringLiteral("731.in4")), bytes);
    if (!copied.ok()) {
        m_failure = Failure(QStringLiteral("%1: cannot be copied: %2").arg(file, copied.reason));
        return false;
    }
    return true;
}

void HeadlessPanel::setUp(const PanelScene &scene)
{
    if (!m_home.isValid()) {
        m_failure = Failure(QStringLiteral("render: cannot make a temporary folder"));
        return;
    }
    if (!scene.settingsFile.isEmpty() && !copySettings(scene.settingsFile))
        return;

    // Messages are written down, never shown; the scroll moves only when the renderer says so.
    m_services.clock = &m_clock;
    m_services.sleeper = &m_sleeper;
    m_services.messages = &m_messages;
    m_services.quit = [] {};
    m_services.programPath = m_home.filePath(QStringLiteral("731"));
    m_services.settingsFallbackFolder = m_home.filePath(QStringLiteral("config"));
    m_services.scrollClock = &m_scrollClock;

    m_forms = std::make_unique<app::Forms>(m_services);
    m_forms->start();
    if (!m_messages.shown.empty()) {
        m_failure = Refusal(m_messages.texts(), scene.settingsFile);
        return;
    }

    app::ConsoleController &console = m_forms->controller();
    settings::Options &options = m_forms->options();
    if (!scene.fareDir.isEmpty())
        options.change([&](settings::OptionRecords &r) { r.folder.FareDataDir = scene.fareDir; });
    else if (options.fareDataFolder().isEmpty()) {
        m_failure = Failure(QStringLiteral("%1: names no fare data folder; give --fare-dir").arg(scene.settingsFile));
        return;
    }
    console.setBacklight(static_cast<settings::Backlight>(qBound(0, scene.backlight, 2)));
    console.setLateNight(scene.lateNight ? app::CheckValue::Checked : app::CheckValue::Unchecked);
    m_routeFile = fare::FareFilePath(options.fareDataFolder(), scene.route);
    app::ConsoleDriver(console).keyInRoute(scene.route, QString::number(scene.section));
    if (!m_messages.shown.empty())
        m_failure = Refusal(m_messages.texts(), m_routeFile);
    m_firstStop = m_forms->route().CurIndex() + 1;
}

int HeadlessPanel::lastStop() const
{
    return m_forms->route().RowCount();
}

bool HeadlessPanel::showStop(int stop)
{
    if (stop < 1 || stop > lastStop())
        return false;
    app::ConsoleDriver(m_forms->controller()).stepTo(stop);
    return true;
}

void HeadlessPanel::scroll(int ms)
{
    // The frames the display would draw in that time.
    constexpr int FrameMs = 16;
    for (int elapsed = 0; elapsed < ms; elapsed += FrameMs) {
        m_scrollClock.advance(qMin(FrameMs, ms - elapsed));
        m_forms->panel().ChimeiCtl->advanceScroll();
    }
}

QImage HeadlessPanel::picture(int factor) const
{
    QCoreApplication::processEvents();
    const QImage drawn = m_forms->panel().grab().toImage();
    return factor > 1 ? base::magnified(drawn, factor) : drawn;
}

} // namespace tool
