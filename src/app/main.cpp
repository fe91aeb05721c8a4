#include "app/Forms.h"
#include "platform/Clock.h"
#include "platform/ui/MessagePresenter.h"

#include <QApplication>
#include <QFont>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("731"));
    QApplication::setApplicationDisplayName(QStringLiteral("ハルネVer4"));
    QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    QApplication::setQuitOnLastWindowClosed(false);

    platform::SystemClock clock;
    platform::ThreadSleeper sleeper;
    platform::QtMessagePresenter messages;
    app::AppServices services;
    services.clock = &clock;
    services.sleeper = &sleeper;
    services.messages = &messages;
    services.quit = [] { QCoreApplication::exit(0); };

    app::Forms forms(services);
    forms.start();
    return application.exec();
}
