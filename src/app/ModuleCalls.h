#pragma once

// The calls the windows make into the sound, announcement and settings modules, kept in one
// place.

#include <QString>

namespace app {

class Forms;

void closeAllSounds(Forms &forms);
void playSoundFile(Forms &forms, const QString &path, const QString &tag, bool wait, int pauseMs);
void initSpeech(Forms &forms);
bool speechUsable(Forms &forms);
void loadBroadcastData(Forms &forms, const QString &folder, const QString &routeText);
void releaseSpeech(Forms &forms);
void loadIniInfo(Forms &forms);
void saveIniInfo(Forms &forms);

} // namespace app
