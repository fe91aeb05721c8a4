#include "HeadlessServices.h"

#include "speech/TextToSpeech.h"

app::AppServices HeadlessServices::appServices()
{
    sleeper.log = log;
    app::AppServices services;
    services.clock = &clock;
    services.sleeper = &sleeper;
    services.messages = &messages;
    services.quit = [this] { ++quitCalls; };
    // The settings file of each run lives in a folder of its own.
    services.programPath = settingsDir.filePath(QStringLiteral("731"));
    services.settingsFallbackFolder = settingsDir.filePath(QStringLiteral("config"));
    services.closeSounds = [this] { ++soundClosings; };
    services.createSpeech = speechFactory;
    services.playSound = [this](const QString &path, const QString &tag, bool wait, int pauseMs) {
        played.push_back({path, tag, wait, pauseMs});
        if (log)
            *log << QStringLiteral("play %1 %2%3").arg(path, tag, wait ? QStringLiteral(" wait") : QString());
    };
    return services;
}
