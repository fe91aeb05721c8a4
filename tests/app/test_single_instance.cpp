// One run per settings file: the lock, the hand-over to the running program, and what a later
// start tells the user when the running one does not answer.

#include "app/SingleInstance.h"
#include "FakeServices.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <future>

using app::SingleInstance;
using Claim = SingleInstance::Claim;

namespace {

class SingleInstanceTest : public ::testing::Test
{
protected:
    QString settingsFile(const QString &name = QStringLiteral("731.in4")) const { return data.filePath(name); }

    // A later start, on a thread of its own: it waits for the answer, which the first run gives
    // from this thread's event loop.
    std::optional<int> startAgain(const QString &file, int timeoutMs = 5000)
    {
        auto started = std::async(std::launch::async, [&] {
            SingleInstance later(file, runtime.path());
            return later.claimOrHandOver(messages, timeoutMs);
        });
        while (started.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return started.get();
    }

    QTemporaryDir runtime;
    QTemporaryDir data;
    ScriptedMessages messages;
};

} // namespace

TEST_F(SingleInstanceTest, ASecondStartWithTheSameFileShowsTheRunningConsoleAndEnds)
{
    SingleInstance first(settingsFile(), runtime.path());
    ASSERT_EQ(first.claim(), Claim::First);
    int shown = 0;
    first.setShowRequestHandler([&] { ++shown; });

    // The same file by another spelling: through a folder and back, and through a link.
    ASSERT_TRUE(QDir(data.path()).mkdir(QStringLiteral("sub")));
    ASSERT_TRUE(QFile::link(data.path(), runtime.filePath(QStringLiteral("link"))));
    EXPECT_EQ(startAgain(data.filePath(QStringLiteral("sub/../731.in4"))), 0);
    EXPECT_EQ(startAgain(runtime.filePath(QStringLiteral("link/731.in4"))), 0);
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(messages.shown.empty());

    // Another settings file runs side by side; once the first run has ended, its file is free.
    SingleInstance copy(settingsFile(QStringLiteral("731 copy.in4")), runtime.path());
    EXPECT_EQ(copy.claim(), Claim::First);
    SingleInstance afterwards(settingsFile(), runtime.path());
    EXPECT_EQ(afterwards.claim(), Claim::AlreadyHeld);
}

TEST_F(SingleInstanceTest, TheFileIsFreeOnceTheRunEnds)
{
    {
        SingleInstance first(settingsFile(), runtime.path());
        ASSERT_EQ(first.claim(), Claim::First);
    }
    SingleInstance next(settingsFile(), runtime.path());
    EXPECT_EQ(next.claim(), Claim::First);
}

// A run that was killed leaves its lock and its socket behind: the next start takes both over
// and later starts reach it.
TEST_F(SingleInstanceTest, WhatACrashedRunLeftBehindIsTakenOver)
{
    QString lockPath;
    QByteArray lockBytes;
    {
        SingleInstance crashed(settingsFile(), runtime.path());
        ASSERT_EQ(crashed.claim(), Claim::First);
        lockPath = crashed.lockFilePath();
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::ReadOnly));
        lockBytes = lock.readAll();
    }
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + lockBytes.mid(lockBytes.indexOf('\n')));
    lock.close();
    const QString socketPath = QString(lockPath).replace(QStringLiteral(".lock"), QStringLiteral(".socket"));
    QFile leftover(socketPath);
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    SingleInstance next(settingsFile(), runtime.path());
    ASSERT_EQ(next.claim(), Claim::First);
    int shown = 0;
    next.setShowRequestHandler([&] { ++shown; });
    EXPECT_EQ(startAgain(settingsFile()), 0);
    EXPECT_EQ(shown, 1);
}

TEST_F(SingleInstanceTest, ARunningOneThatDoesNotAnswerIsReportedInJapanese)
{
    SingleInstance first(settingsFile(), runtime.path());
    ASSERT_EQ(first.claim(), Claim::First);
    // The first run's event loop is not running: its thread is busy, as with a long sound.
    SingleInstance later(settingsFile(), runtime.path());
    EXPECT_EQ(later.claimOrHandOver(messages, 300), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, SingleInstance::notShownMessage(settingsFile()));
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("同じ設定ファイルを使うハルネが既に起動しています。\n")
                                                  + QFileInfo(data.path()).canonicalFilePath() + QStringLiteral("/731.in4\n")));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("ハルネVer4"));

    // Without a usable runtime folder nothing can be checked, and the program simply runs.
    SingleInstance unguarded(settingsFile(), runtime.filePath(QStringLiteral("missing")));
    EXPECT_EQ(unguarded.claimOrHandOver(messages), std::nullopt);
    EXPECT_EQ(messages.shown.size(), 1u);
}
