// One main for every test program. HARUNE_TEST_APP picks the application object: tests of core
// libraries get a QCoreApplication, drawing tests a QGuiApplication, window tests a QApplication.
#include <gtest/gtest.h>

#include <QtGlobal>

#if HARUNE_TEST_APP == 2
#include <QApplication>
using TestApplication = QApplication;
#elif HARUNE_TEST_APP == 1
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    // Tests never need a display or a sound card.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
