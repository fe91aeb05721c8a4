// One run's settings file: exact texts beside it, the copy of a file that read short or had a
// refused value, and the clean-up after a killed save.
#include "../support/FileBytes.h"
#include "SampleRecords.h"

#include "base/Cp932.h"
#include "settings/IniSession.h"
#include "settings/IniTextCompanion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using settings::IniFileLocation;
using settings::IniRecords;
using settings::IniSession;
using settings::IniTextCompanion;
using settings::mdlIniIoEx;

namespace {

class IniSessionTest : public ::testing::Test
{
protected:
    QString settingsPath() const { return dir.filePath(QStringLiteral("731.in4")); }
    IniFileLocation where() const { return {settingsPath(), settingsPath()}; }
    QString config() const { return dir.filePath(QStringLiteral("config")); }
    QString companion() const { return IniTextCompanion::pathFor(config(), settingsPath()); }

    // A save by one run, then a load by the next.
    IniRecords saveThenLoad(const IniRecords &records)
    {
        IniSession first;
        EXPECT_TRUE(first.save(where(), config(), records).ok());
        IniSession next;
        const auto loaded = next.load(where(), config(), IniRecords());
        EXPECT_TRUE(loaded.status.ok());
        return loaded.records;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(IniSessionTest, TextsOutsideTheCodePageSurviveAndTheFileKeepsItsBytes)
{
    IniRecords records = sampleRecords();
    records.folder.FareDataDir = QStringLiteral("/home/müller/データ");
    records.panel.PanelFile[1] = QStringLiteral("/home/müller/Données/点灯1.jpg");
    records.seiriken.SeiriPlgFile = QStringLiteral("/opt/Données/ticket.4SP");
    EXPECT_EQ(saveThenLoad(records), records);
    // The settings file is written as it always was: the code page's form of each text.
    EXPECT_EQ(readAll(settingsPath()), mdlIniIoEx::encode(records));
    EXPECT_EQ(mdlIniIoEx::decode(readAll(settingsPath())).folder.FareDataDir, QStringLiteral("/home/m?ller/データ"));

    // Changed by something else, the file's own text wins.
    IniRecords edited = mdlIniIoEx::decode(readAll(settingsPath()));
    edited.folder.FareDataDir = QStringLiteral("/srv/運賃");
    writeAll(settingsPath(), mdlIniIoEx::encode(edited));
    IniSession session;
    const IniRecords got = session.load(where(), config(), IniRecords()).records;
    EXPECT_EQ(got.folder.FareDataDir, QStringLiteral("/srv/運賃"));
    EXPECT_EQ(got.seiriken.SeiriPlgFile, records.seiriken.SeiriPlgFile);

    // Texts the code page holds need no companion: the file is byte for byte today's, and the
    // companion goes when nothing is left in it.
    EXPECT_EQ(saveThenLoad(sampleRecords()), sampleRecords());
    EXPECT_EQ(readAll(settingsPath()), mdlIniIoEx::encode(sampleRecords()));
    EXPECT_FALSE(QFile::exists(companion()));
}

TEST_F(IniSessionTest, CompanionOfAMovedSettingsFileStillApplies)
{
    IniRecords records;
    records.sound.SndKeitou = QStringLiteral("/home/zoë/chime.wav");
    IniSession().save(where(), config(), records);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("moved")));
    const QString moved = dir.filePath(QStringLiteral("moved/731.in4"));
    ASSERT_TRUE(QFile::rename(settingsPath(), moved));
    IniSession session;
    EXPECT_EQ(session.load({moved, moved}, config(), IniRecords()).records.sound.SndKeitou, records.sound.SndKeitou);
    // Damaged, it is passed over.
    writeAll(companion(), "{ not json");
    EXPECT_EQ(session.load({moved, moved}, config(), IniRecords()).records.sound.SndKeitou,
              QStringLiteral("/home/zo?/chime.wav"));
}

TEST_F(IniSessionTest, AShortFileIsKeptBeforeTheFirstSaveOnly)
{
    IniRecords startUp;
    startUp.form = {4500, 6000};
    startUp.chimei.ChimeiBackColor = 0x00123456;
    const QByteArray shortFile = mdlIniIoEx::encode(sampleRecords()).left(100);
    writeAll(settingsPath(), shortFile);

    IniSession session;
    const auto loaded = session.load(where(), config(), startUp);
    ASSERT_TRUE(loaded.status.ok());
    EXPECT_EQ(loaded.records.folder, sampleRecords().folder);
    EXPECT_EQ(loaded.records.form, startUp.form);
    EXPECT_EQ(loaded.records.chimei, startUp.chimei);
    EXPECT_TRUE(session.keepsReadFile());

    ASSERT_TRUE(session.save(where(), config(), loaded.records).ok());
    EXPECT_EQ(readAll(IniSession::backupPath(settingsPath())), shortFile);
    EXPECT_EQ(readAll(settingsPath()), mdlIniIoEx::encode(loaded.records));
    // A second save keeps the first copy as it was.
    ASSERT_TRUE(session.save(where(), config(), sampleRecords()).ok());
    EXPECT_EQ(readAll(IniSession::backupPath(settingsPath())), shortFile);
}

TEST_F(IniSessionTest, ACompleteFileIsKeptOnlyAfterARefusedValue)
{
    const QByteArray whole = mdlIniIoEx::encode(sampleRecords());
    writeAll(settingsPath(), whole);
    IniSession clean;
    clean.load(where(), config(), IniRecords());
    EXPECT_FALSE(clean.keepsReadFile());
    clean.save(where(), config(), IniRecords());
    EXPECT_FALSE(QFile::exists(IniSession::backupPath(settingsPath())));

    writeAll(settingsPath(), whole);
    IniSession refused;
    refused.load(where(), config(), IniRecords());
    refused.noteRefused();
    ASSERT_TRUE(refused.save(where(), config(), IniRecords()).ok());
    EXPECT_EQ(readAll(IniSession::backupPath(settingsPath())), whole);

    // An empty file was not read at all: nothing to keep, and it reads as a missing one.
    writeAll(settingsPath(), QByteArray());
    IniSession empty;
    EXPECT_TRUE(empty.load(where(), config(), IniRecords()).status.missing());
    empty.noteRefused();
    EXPECT_FALSE(empty.keepsReadFile());
}

TEST_F(IniSessionTest, ReadingCleansUpAfterASaveThatWasKilled)
{
    const QByteArray whole = mdlIniIoEx::encode(sampleRecords());
    writeAll(settingsPath(), whole);
    writeAll(settingsPath() + QStringLiteral(".k7Q2xZ"), whole.left(37));
    IniSession session;
    EXPECT_EQ(session.load(where(), config(), IniRecords()).records, sampleRecords());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("731.in4")});
}
