#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace tool {

// What the panel is to show: a route set at a section and stepped to a stop, as an operator
// would do it on the console.
struct PanelScene
{
    QString fareDir; // empty: the folder the settings file names
    QString route;
    int section = 1;
    int stop = 0; // 0: the starting row
    bool lateNight = false;
    int backlight = 0; // 0 OFF, 1 ON1, 2 ON2
    int scrollMs = 0;
    int scale = 1; // 1 to 4, as the program enlarges the panel
    QString settingsFile; // applied as start-up applies it; empty for none
};

struct PanelRendering
{
    QImage image;
    QString error;        // the program's own message when it refused, or what else went wrong
    bool refused = false; // error is the program's own message
    QString file;         // the file the program tried when it refused: the route's or the settings
};

// Starts the simulator headless (no lamp-test wait, no sound) and draws its panel window in
// the scene's state. Needs a QApplication.
PanelRendering RenderPanel(const PanelScene &scene);

// A whole run: every stop of the scene's route from its starting stop to the last (the scene's
// stop and scroll time are not used).
struct RunPictures
{
    // 0: one picture per stop. N: also the frames of each stop, N per second for
    // secondsPerStop seconds from the moment the stop is shown.
    int scrollFps = 0;
    int secondsPerStop = 5;
};

// One picture of the run: a stop as first shown (frame 0 of that stop) or a later frame.
struct RunPicture
{
    const QImage &image;
    int stopOrdinal; // 1 for the starting stop
    int stop;        // as --stop numbers it
    int frame;       // within the stop, 0 at the moment it is shown
};

// Draws the run picture by picture, handing each to `take`, which answers an error to stop
// with, or an empty string. The result's error is the setup's failure or take's error.
PanelRendering RenderRun(const PanelScene &scene, const RunPictures &pictures,
                         const std::function<QString(const RunPicture &)> &take);

} // namespace tool
