#pragma once

#include <QImage>
#include <QString>

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

} // namespace tool
