// Every file the program and its tool write goes through AtomicFile: the old file stays whole
// until the new one is complete.
#include "../support/FileBytes.h"
#include "../support/FileSizeLimit.h"
#include "base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using base::AtomicFile;

namespace {

class AtomicFileTest : public ::testing::Test
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(AtomicFileTest, AFullDiskFailsWithTheSystemsReasonAndLeavesTheOldFileWhole)
{
    const QByteArray old(3000, 'o');
    ASSERT_TRUE(AtomicFile::write(path("data.hy3"), old).ok());
    AtomicFile::Result result;
    {
        FileSizeLimit limit(1000);
        result = AtomicFile::write(path("data.hy3"), QByteArray(5000, 'n'));
    }
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, EFBIG);
    EXPECT_EQ(result.reason, AtomicFile::reasonFor(EFBIG));
    EXPECT_FALSE(result.reason.isEmpty());
    EXPECT_FALSE(result.reason.contains(QStringLiteral("Unknown")));
    EXPECT_EQ(readAll(path("data.hy3")), old);
    EXPECT_EQ(files(), QStringList{QStringLiteral("data.hy3")});

    // A folder in the way, a missing folder: each with its reason, nothing left behind.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    EXPECT_EQ(AtomicFile::write(path("sub"), "x").error, EISDIR);
    EXPECT_EQ(AtomicFile::write(path("missing/file"), "x").error, ENOENT);
    EXPECT_TRUE(AtomicFile::write(path("made/file"), "x", AtomicFile::Durability::Synced, true).ok());
    EXPECT_EQ(readAll(path("made/file")), QByteArray("x"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("data.hy3")});
}

TEST_F(AtomicFileTest, ReplacesTheFileALinkNamesAndKeepsItsPermissions)
{
    ASSERT_TRUE(AtomicFile::write(path("real.in4"), "old").ok());
    ASSERT_TRUE(QFile::setPermissions(path("real.in4"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                              | QFileDevice::ReadGroup));
    ASSERT_TRUE(QFile::link(path("real.in4"), path("link.in4")));
    ASSERT_TRUE(AtomicFile::write(path("link.in4"), "new", AtomicFile::Durability::Cached).ok());
    EXPECT_TRUE(QFileInfo(path("link.in4")).isSymLink());
    EXPECT_EQ(readAll(path("real.in4")), QByteArray("new"));
    // Owner, group and others; the "user" flags repeat the owner's for the current user.
    EXPECT_EQ(QFile::permissions(path("real.in4")) & 0xF0FF,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
}

TEST_F(AtomicFileTest, TemporariesOfAKilledWriteAreCleanedUpAndNothingElse)
{
    for (const char *name : {"731.in4", "731.in4.aB3dE9", "731.in4.Zz0000", "731.in4.bak", "731.in4.texts.json",
                             "731.in4.abc", "other.in4.aB3dE9", "731.in4.aB3dE9x"})
        ASSERT_TRUE(AtomicFile::write(dir.filePath(QString::fromLatin1(name)), "x").ok());
    EXPECT_EQ(AtomicFile::removeStaleTemporaries(path("731.in4")), 2);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("731.in4"), QStringLiteral("731.in4.aB3dE9x"),
                                    QStringLiteral("731.in4.abc"), QStringLiteral("731.in4.bak"),
                                    QStringLiteral("731.in4.texts.json"), QStringLiteral("other.in4.aB3dE9")}));
}
