#include "731-tool/PanelRenderer.h"

#include "731-tool/HeadlessPanel.h"
#include "731-tool/ToolCommand.h"

#include <cmath>

namespace tool {

PanelRendering RenderPanel(const PanelScene &scene)
{
    HeadlessPanel panel(scene);
    if (panel.failure())
        return *panel.failure();
    const int target = scene.stop > 0 ? scene.stop : panel.firstStop();
    if (!panel.showStop(target)) {
        PanelRendering beyond;
        beyond.error = QStringLiteral("%1: stop %2 is beyond the last stop of route %3 (%4)")
                           .arg(panel.routeFile(), QString::number(target), scene.route,
                                Plural(panel.lastStop(), QStringLiteral("stop")));
        return beyond;
    }
    panel.scroll(scene.scrollMs);
    PanelRendering drawn;
    drawn.image = panel.picture(scene.scale);
    return drawn;
}

PanelRendering RenderRun(const PanelScene &scene, const RunPictures &pictures,
                         const std::function<QString(const RunPicture &)> &take)
{
    HeadlessPanel panel(scene);
    if (panel.failure())
        return *panel.failure();
    const int frames = pictures.scrollFps > 0 ? pictures.scrollFps * pictures.secondsPerStop : 1;
    PanelRendering result;
    for (int stop = panel.firstStop(); stop <= panel.lastStop(); ++stop) {
        panel.showStop(stop);
        int shownMs = 0;
        for (int frame = 0; frame < frames; ++frame) {
            // Frame k at k/N seconds after the stop was shown, to the millisecond.
            const int atMs = frame == 0 ? 0 : int(std::lround(frame * 1000.0 / pictures.scrollFps));
            panel.scroll(atMs - shownMs);
            shownMs = atMs;
            const QImage image = panel.picture(scene.scale);
            result.error = take({image, stop - panel.firstStop() + 1, stop, frame});
            if (!result.error.isEmpty())
                return result;
        }
    }
    return result;
}

} // namespace tool
