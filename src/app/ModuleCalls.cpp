#include "app/ModuleCalls.h"

#include "app/Forms.h"
#include "app/SettingsFile.h"

namespace app {

void closeAllSounds(Forms &forms)
{
    if (forms.services().closeSounds)
        forms.services().closeSounds();
}

void playSoundFile(Forms &forms, const QString &path, const QString &tag, bool wait, int pauseMs)
{
    if (forms.services().playSound)
        forms.services().playSound(path, tag, wait, pauseMs);
}

void initSpeech(Forms &) {}

bool speechUsable(Forms &)
{
    return false;
}

void loadBroadcastData(Forms &, const QString &, const QString &) {}

void releaseSpeech() {}

void loadIniInfo(Forms &forms)
{
    SettingsFile::LoadIniInfo(forms);
}

void saveIniInfo(Forms &forms)
{
    SettingsFile::SaveIniInfo(forms);
}

} // namespace app
