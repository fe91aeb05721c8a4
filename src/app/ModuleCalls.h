#pragma once

// The calls the windows make into the sound, announcement and settings modules at start-up and
// shutdown, kept in one place.

namespace app {

class Forms;

void closeAllSounds();
void initSpeech(Forms &forms);
void releaseSpeech();
void loadIniInfo(Forms &forms);
void saveIniInfo(Forms &forms);

} // namespace app
