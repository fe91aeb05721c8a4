#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace controls {
class ScrollClock;
}

namespace speech {
class TextToSpeech;
} // namespace speech
namespace base {
class Clock;
class Sleeper;
} // namespace base
namespace ui {
class MessagePresenter;
} // namespace ui

namespace app {

// What the windows and the console controller need from outside themselves; the program passes
// the real ones, tests pass their own.
struct AppServices
{
    base::Clock *clock = nullptr;
    base::Sleeper *sleeper = nullptr;
    ui::MessagePresenter *messages = nullptr;
    // Ends the program at once, after the console's confirmed close.
    std::function<void()> quit;
    // The program file the settings file is named after; empty for the running executable.
    QString programPath;
    // Where the settings file goes when the program's folder cannot be written; empty for the
    // user's configuration folder.
    QString settingsFallbackFolder;
    // The file that keeps the panel's size from one run to the next; empty for none.
    QString panelScaleFile;
    // The clock of the stop-name display's scroll; null for the real one.
    controls::ScrollClock *scrollClock = nullptr;
    // Plays a sound file on a channel (path, tag, wait, pause in ms).
    std::function<void(const QString &, const QString &, bool, int)> playSound;
    // Closes the four sound channels.
    std::function<void()> closeSounds;
    // Creates the speech component of the announcement tape; null (or a null result) when
    // speech cannot be had.
    std::function<std::unique_ptr<speech::TextToSpeech>()> createSpeech;
    // The OS name the resource library reports (the tape is never usable on one of them); null
    // for the resource library's own answer.
    std::function<QString()> osName;
};

} // namespace app
