#include "app/ModuleCalls.h"

#include "app/Forms.h"

namespace app {

void closeAllSounds() {}

void initSpeech(Forms &) {}

void releaseSpeech() {}

void loadIniInfo(Forms &) {}

void saveIniInfo(Forms &) {}

} // namespace app
