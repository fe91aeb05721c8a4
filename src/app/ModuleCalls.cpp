#include "app/ModuleCalls.h"

#include "app/Forms.h"
#include "app/SettingsFile.h"
#include "sound/mdlM_Tape.h"

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

void initSpeech(Forms &forms)
{
    forms.tape().InitSpeech();
}

bool speechUsable(Forms &forms)
{
    return forms.tape().SpeechUsable();
}

void loadBroadcastData(Forms &forms, const QString &folder, const QString &routeText)
{
    forms.tape().LoadBroadcastData(folder, routeText);
}

void releaseSpeech(Forms &forms)
{
    forms.tape().ReleaseSpeech();
}

void loadIniInfo(Forms &forms)
{
    SettingsFile::LoadIniInfo(forms);
}

void saveIniInfo(Forms &forms)
{
    SettingsFile::SaveIniInfo(forms);
}

} // namespace app
