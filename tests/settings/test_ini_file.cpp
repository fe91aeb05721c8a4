// Saving and loading the settings file on disk, and where it lives.
#include "../support/FileBytes.h"
#include "SampleRecords.h"
#include "../support/FileSizeLimit.h"

#include "settings/IniFileLocation.h"
#include "settings/mdlIniIoEx.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using settings::IniFileLocation;
using settings::IniRecords;
using settings::IniStatus;
using settings::mdlIniIoEx;

class IniFile : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name = QStringLiteral("731.in4")) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(IniFile, SaveThenLoadRestoresEveryField)
{
    const IniRecords sample = sampleRecords();
    const IniStatus saved = mdlIniIoEx::save(sample, path());
    ASSERT_TRUE(saved.ok()) << saved.message().toStdString();
    EXPECT_EQ(readAll(path()), mdlIniIoEx::encode(sample));

    const auto loaded = mdlIniIoEx::load(path());
    ASSERT_TRUE(loaded.status.ok());
    EXPECT_EQ(loaded.records, sample);
    EXPECT_TRUE(loaded.info.complete);
    EXPECT_EQ(loaded.info.storedCellCount, 30);
}

TEST_F(IniFile, SaveOverALongerFileLeavesExactlyWhatWasWritten)
{
    writeAll(path(), QByteArray(5000, '\x7f'));
    ASSERT_TRUE(mdlIniIoEx::save(IniRecords(), path()).ok());
    EXPECT_EQ(readAll(path()), mdlIniIoEx::encode(IniRecords()));
    EXPECT_EQ(QFileInfo(path()).size(), 428);
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("731.in4")});
}

TEST_F(IniFile, SaveCreatesTheFolderItGoesIn)
{
    const QString nested = dir.filePath(QStringLiteral("config/harune/731.in4"));
    ASSERT_TRUE(mdlIniIoEx::save(sampleRecords(), nested).ok());
    EXPECT_EQ(mdlIniIoEx::load(nested).records, sampleRecords());
}

TEST_F(IniFile, SaveIntoAFolderThatIsAFileFailsWithAMessage)
{
    writeAll(path(QStringLiteral("notafolder")), "x");
    const QString target = dir.filePath(QStringLiteral("notafolder/731.in4"));
    const IniStatus status = mdlIniIoEx::save(IniRecords(), target);
    ASSERT_TRUE(status.failed());
    EXPECT_EQ(status.code, base::LegacyError::PathFileAccessError);
    EXPECT_TRUE(status.message().startsWith(QStringLiteral("エラー Code:75\r\n内容:パス名が無効です。")))
        << status.message().toStdString();
    EXPECT_EQ(readAll(path(QStringLiteral("notafolder"))), QByteArray("x"));
}

TEST_F(IniFile, SaveThatRunsOutOfRoomLeavesTheOldFile)
{
    const QByteArray old = mdlIniIoEx::encode(IniRecords());
    writeAll(path(), old);
    IniStatus status;
    {
        // Small enough that the new file cannot be written, large enough for nothing else.
        FileSizeLimit limit(300);
        status = mdlIniIoEx::save(sampleRecords(), path());
    }
    ASSERT_TRUE(status.failed());
    EXPECT_EQ(status.code, base::LegacyError::DiskFull);
    EXPECT_TRUE(status.message().startsWith(QStringLiteral("エラー Code:61\r\n内容:ディスクの空き容量が不足しています。")))
        << status.message().toStdString();
    EXPECT_EQ(readAll(path()), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("731.in4")});
}

// The descriptions the user reads are Japanese through and through, apart from the file's name.
TEST_F(IniFile, FailuresAreDescribedInJapanese)
{
    auto latinWords = [this](const IniStatus &status) {
        QString text = status.description;
        text.remove(QDir::toNativeSeparators(path()));
        return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}")));
    };

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("731.in4"))); // a folder where the file should be
    const IniStatus folder = mdlIniIoEx::load(path()).status;
    ASSERT_TRUE(folder.failed());
    EXPECT_FALSE(latinWords(folder)) << folder.description.toStdString();
    EXPECT_TRUE(folder.description.contains(QStringLiteral("フォルダー"))) << folder.description.toStdString();
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("731.in4")));

    IniStatus full;
    {
        FileSizeLimit limit(300);
        full = mdlIniIoEx::save(sampleRecords(), path());
    }
    ASSERT_TRUE(full.failed());
    EXPECT_FALSE(latinWords(full)) << full.description.toStdString();
}

TEST_F(IniFile, SaveIntoAReadOnlyFolderLeavesTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold back the superuser";
    const QByteArray old = mdlIniIoEx::encode(IniRecords());
    writeAll(path(), old);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const IniStatus status = mdlIniIoEx::save(sampleRecords(), path());
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(status.failed());
    EXPECT_EQ(readAll(path()), old);
}

TEST_F(IniFile, ValueTooLongIsRefusedAndTheOldFileKept)
{
    const QByteArray old = mdlIniIoEx::encode(sampleRecords());
    writeAll(path(), old);
    IniRecords r;
    r.seiriken.SeiriPlgFile = QString(70000, u'x');
    const IniStatus status = mdlIniIoEx::save(r, path());
    ASSERT_TRUE(status.failed());
    EXPECT_EQ(status.code, base::LegacyError::InvalidCall);
    EXPECT_TRUE(status.description.contains(QStringLiteral("SeiriPlgFile")));
    EXPECT_EQ(readAll(path()), old);
}

TEST_F(IniFile, MissingFileIsReportedApartFromFailures)
{
    const auto missing = mdlIniIoEx::load(path());
    EXPECT_TRUE(missing.status.missing());
    EXPECT_EQ(missing.status.code, base::LegacyError::FileNotFound);
    EXPECT_EQ(missing.records, IniRecords());

    EXPECT_TRUE(mdlIniIoEx::load(QString()).status.missing());

    // A folder where the file should be is something to tell the operator about.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("731.in4")));
    const auto folder = mdlIniIoEx::load(path());
    EXPECT_TRUE(folder.status.failed());
    EXPECT_NE(folder.status.code, base::LegacyError::None);
}

TEST_F(IniFile, ShortAndOversizedFilesLoadWithoutError)
{
    writeAll(path(), mdlIniIoEx::encode(sampleRecords()).left(100));
    auto loaded = mdlIniIoEx::load(path());
    EXPECT_TRUE(loaded.status.ok());
    EXPECT_EQ(loaded.records.folder, sampleRecords().folder);
    EXPECT_EQ(loaded.records.form.PanelLeft, 0);
    EXPECT_FALSE(loaded.info.complete);

    // An empty file holds nothing: as if there were none.
    writeAll(path(), QByteArray());
    EXPECT_TRUE(mdlIniIoEx::load(path()).status.missing());

    // A file far larger than any layout is read only as far as fields can reach.
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(256) << 20));
    }
    loaded = mdlIniIoEx::load(path());
    EXPECT_TRUE(loaded.status.ok());
    EXPECT_TRUE(loaded.info.complete);
    EXPECT_EQ(loaded.info.bytesUsed, 428);
}

TEST(IniMessage, ErrorTextHasCodeLineBreakAndDescription)
{
    EXPECT_EQ(IniStatus::errorMessage(base::LegacyError::DiskFull, QStringLiteral("ディスクの空き容量が不足しています。")),
              QStringLiteral("エラー Code:61\r\n内容:ディスクの空き容量が不足しています。"));
}

TEST(IniLocation, FileIsNamedAfterTheProgramBesideIt)
{
    EXPECT_EQ(IniFileLocation::besideProgram(QStringLiteral("/opt/harune/731")), QStringLiteral("/opt/harune/731.in4"));
    EXPECT_EQ(IniFileLocation::besideProgram(QStringLiteral("/opt/harune/731.exe")), QStringLiteral("/opt/harune/731.in4"));
    EXPECT_EQ(IniFileLocation::besideProgram(QStringLiteral("/opt/harune/bus731")), QStringLiteral("/opt/harune/bus731.in4"));
    EXPECT_EQ(IniFileLocation::besideProgram(QStringLiteral("/731")), QStringLiteral("/731.in4"));
}

TEST_F(IniFile, WritableProgramFolderHoldsTheFile)
{
    const auto where = IniFileLocation::resolve(dir.filePath(QStringLiteral("731")), dir.filePath(QStringLiteral("cfg")));
    EXPECT_EQ(where.readPath, path());
    EXPECT_EQ(where.writePath, path());
}

TEST_F(IniFile, UnwritableProgramFolderFallsBackToTheConfigFolder)
{
    // A program folder that is really a file cannot take the settings, even for the superuser.
    writeAll(path(QStringLiteral("bin")), "not a folder");
    const QString program = dir.filePath(QStringLiteral("bin/731"));
    const QString config = dir.filePath(QStringLiteral("cfg/harune"));

    auto where = IniFileLocation::resolve(program, config);
    EXPECT_EQ(where.writePath, config + QStringLiteral("/731.in4"));
    EXPECT_EQ(where.readPath, where.writePath);
    EXPECT_TRUE(mdlIniIoEx::load(where.readPath).status.missing());

    ASSERT_TRUE(mdlIniIoEx::save(sampleRecords(), where.writePath).ok());
    where = IniFileLocation::resolve(program, config);
    EXPECT_EQ(mdlIniIoEx::load(where.readPath).records, sampleRecords());
}

TEST_F(IniFile, InstalledProgramKeepsSettingsInTheConfigFolderEvenWhenItsFolderIsWritable)
{
    // <prefix>/bin beside <prefix>/share/harune, as the package lays it out; the superuser (or a
    // ~/.local install) can write bin/, yet the settings belong to the user, not to the system.
    const QString prefix = dir.filePath(QStringLiteral("usr"));
    ASSERT_TRUE(QDir().mkpath(prefix + QStringLiteral("/bin")));
    const QString config = dir.filePath(QStringLiteral("cfg"));
    const QString program = prefix + QStringLiteral("/bin/731");

    auto where = IniFileLocation::resolve(program, config);
    EXPECT_EQ(where.writePath, prefix + QStringLiteral("/bin/731.in4")) << "no data installed yet";

    ASSERT_TRUE(QDir().mkpath(prefix + QStringLiteral("/share/harune/demo")));
    where = IniFileLocation::resolve(program, config);
    EXPECT_EQ(where.writePath, config + QStringLiteral("/731.in4"));
    EXPECT_EQ(where.readPath, where.writePath);
}

TEST_F(IniFile, SettingsShippedBesideAReadOnlyProgramAreReadUntilTheFirstSave)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not hold back the superuser";
    const QString bin = dir.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    writeAll(bin + QStringLiteral("/731.in4"), mdlIniIoEx::encode(sampleRecords()));
    QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString config = dir.filePath(QStringLiteral("cfg"));

    auto where = IniFileLocation::resolve(bin + QStringLiteral("/731"), config);
    EXPECT_EQ(where.readPath, bin + QStringLiteral("/731.in4"));
    EXPECT_EQ(where.writePath, config + QStringLiteral("/731.in4"));
    ASSERT_TRUE(mdlIniIoEx::save(IniRecords(), where.writePath).ok());
    where = IniFileLocation::resolve(bin + QStringLiteral("/731"), config);
    EXPECT_EQ(where.readPath, config + QStringLiteral("/731.in4"));
    QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
