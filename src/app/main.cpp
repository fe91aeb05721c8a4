#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/Form1.h"
#include "app/Forms.h"
#include "app/PanelScale.h"
#include "app/TerminationSignals.h"
#include "app/SingleInstance.h"
#include "app/frmCtl.h"
#include "base/Clock.h"
#include "audio/BackgroundStartedDevice.h"
#include "audio/MediaControl.h"
#include "audio/SdlAudioDevice.h"
#include "audio/MixerPcmSink.h"
#include "app/SpeechComponent.h"
#include "app/SpeechPreload.h"
#include "base/ProgramInfo.h"
#include "remote/ConsoleAdaptor.h"
#include "ui/FirstPaint.h"
#include "ui/JapaneseQt.h"
#include "ui/MessagePresenter.h"
#include "settings/IniFileLocation.h"
#include "sound/mdlSndAPI.h"

#include <QApplication>
#include <QFont>

#include <iostream>

int main(int argc, char **argv)
{
    if (const auto status = app::CommandLine::answer(argc, argv, std::cout))
        return *status;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("731"));
    // No application display name: Qt would append it to every window title, and the titles are
    // the windows' own. Message boxes without a title of their own carry "ハルネVer4" themselves.
    // Qt's own dialogs speak Japanese, whatever the user's locale.
    ui::JapaneseQt::install(application);
    app::applyDesktopIdentity();
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    QApplication::setQuitOnLastWindowClosed(false);

    base::SystemClock clock;
    base::ThreadSleeper sleeper;
    ui::QtMessagePresenter messages;
    app::AppServices services;
    services.clock = &clock;
    services.sleeper = &sleeper;
    services.messages = &messages;
    services.quit = [] { QCoreApplication::exit(0); };
    services.panelScaleFile = app::PanelScale::defaultPath();

    // One run per settings file: a second start brings the running console to the front.
    app::SingleInstance instance(settings::IniFileLocation::resolve(QCoreApplication::applicationFilePath()).writePath);
    if (const std::optional<int> handedOver = instance.claimOrHandOver(messages))
        return *handedOver;

    // One media control for the whole run; the four sound channels live in it.
    // The sound card opens on a thread of its own, the soundfont is loaded once the panel has
    // first been painted: neither holds up the windows.
    audio::MediaControl::Options mediaOptions;
    mediaOptions.preloadSoundFont = false;
    audio::MediaControl mediaControl(
        std::make_unique<audio::BackgroundStartedDevice>(std::make_unique<audio::SdlAudioDevice>()), mediaOptions);
    sound::mdlSndAPI sounds(mediaControl, base::executableBaseName(), [&sleeper](int ms) { sleeper.sleepMs(ms); });
    services.playSound = [&sounds](const QString &path, const QString &tag, bool wait, int pauseMs) {
        sounds.PlaySoundFile(path, tag, wait ? -1 : 0, static_cast<qint16>(pauseMs));
    };
    services.closeSounds = [&sounds] { sounds.CloseAllSounds(); };
    // The announcements speak into the same mixer. The voice loads while the windows are built;
    // the console's load takes it.
    audio::MixerPcmSink voice(mediaControl.mixer());
    app::SpeechPreload speechLoading([&voice]() -> std::unique_ptr<speech::TextToSpeech> {
        return app::createSpeechComponent(voice);
    });
    services.createSpeech = [&speechLoading] { return speechLoading.take(); };

    app::Forms forms(services);
    forms.start();
    ui::runAfterFirstPaint(forms.panel(), [&mediaControl] { mediaControl.midiRenderer().preload(); });
    ui::exitAfterFirstPaintIfAsked(forms.panel());
    // From here on Ctrl+C, SIGTERM and SIGHUP end the program as a confirmed close does, without
    // the question.
    app::TerminationSignals termination;
    QObject::connect(&termination, &app::TerminationSignals::received, [&forms] { forms.console().UnloadConfirmed(); });
    instance.setShowRequestHandler([&forms] { app::SingleInstance::bringToFront(forms.console()); });
    // Other programs drive the console over the session bus while it runs; without a bus, or
    // beside a run that holds the name, the program runs as before.
    // While a message box or the options window keeps the console from being clicked, its calls
    // are refused too.
    remote::ConsoleAdaptor remoteConsole(
        forms.controller(), forms.options(),
        [&forms](const QString &path) { return forms.panel().grab().toImage().save(path, "PNG"); },
        [] {
            const QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return QString();
            return modal->windowTitle().isEmpty() ? QStringLiteral("ダイアログ") : modal->windowTitle();
        });
    // The name is taken once the panel has first been painted: reaching the bus waits on it.
    ui::runAfterFirstPaint(forms.panel(), [&remoteConsole] { remoteConsole.registerOnSessionBus(); });
    return application.exec();
}
