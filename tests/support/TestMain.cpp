// One main for every test program. HARUNE_TEST_APP picks the application object: tests of core
// libraries get a QCoreApplication, drawing tests a QGuiApplication, window tests a QApplication.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>
#include <QtGlobal>

#include <chrono>

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

namespace {

// The threads Qt started for its own objects; Qt names each after its class ("QFileInfoGather"...).
int runningQtThreads()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    int count = 0;
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith('Q'))
            ++count;
    }
    return count;
}

// Qt's own worker threads (the file dialog's directory reader, for one) have ended their work once
// their owner is gone, but the system thread may still be running its thread-local clean-up. The
// process waits for them (a few milliseconds), so that nothing a test left behind is still being torn down when the
// program ends and the leak check of the sanitized build looks at the heap.
void waitForQtWorkerThreadsToEnd()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (runningQtThreads() > 0 && std::chrono::steady_clock::now() < deadline)
        QThread::msleep(5);
}

} // namespace

int main(int argc, char **argv)
{
    // Tests never need a display or a sound card.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    ::testing::InitGoogleTest(&argc, argv);
    int status = 0;
    {
        TestApplication app(argc, argv);
        status = RUN_ALL_TESTS();
    }
    waitForQtWorkerThreadsToEnd();
    return status;
}
