#pragma once

#include "731-tool/PanelRenderer.h"
#include "app/AppServices.h"
#include "base/Clock.h"
#include "controls/ManualScrollClock.h"
#include "ui/RecordingMessagePresenter.h"

#include <QImage>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace app {
class Forms;
class ConsoleDriver;
} // namespace app

namespace tool {

// The simulator started headless (no lamp-test wait, no sound, messages written down, a scroll
// clock that moves only when told) with a scene's route set, ready to show its stops one by one.
// Needs a QApplication.
class HeadlessPanel
{
public:
    explicit HeadlessPanel(const PanelScene &scene);
    ~HeadlessPanel();

    // Why the scene could not be set up; none when the panel is ready.
    const std::optional<PanelRendering> &failure() const { return m_failure; }

    // The stops of the route, as "--stop" numbers them.
    int firstStop() const { return m_firstStop; }
    int lastStop() const;
    // The route's fare data file.
    QString routeFile() const { return m_routeFile; }
    // Steps on the console to `stop`, as an operator would; false beyond the route.
    bool showStop(int stop);
    // A scrolling name moves as it would in `ms` milliseconds, frame by frame.
    void scroll(int ms);
    // The panel window as drawn now, enlarged by `factor` as the program enlarges it.
    QImage picture(int factor) const;

private:
    bool copySettings(const QString &file);
    void setUp(const PanelScene &scene);

    QTemporaryDir m_home;
    base::SystemClock m_clock;
    base::NoWaitSleeper m_sleeper;
    ui::RecordingMessagePresenter m_messages;
    controls::ManualScrollClock m_scrollClock;
    app::AppServices m_services;
    std::unique_ptr<app::Forms> m_forms;
    std::optional<PanelRendering> m_failure;
    int m_firstStop = 0;
    QString m_routeFile;
};

} // namespace tool
