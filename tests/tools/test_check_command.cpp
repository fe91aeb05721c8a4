#include "ToolRun.h"

#include "fare/Hy3Writer.h"
#include "sound/BroadcastData.h"
#include "base/Cp932.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tooltest;

namespace {

fare::Hy3Record Stop(int g)
{
    fare::Hy3Record r;
    r.Name = base::Cp932::fromUnicode(QStringLiteral("停留所%1").arg(g));
    r.TicketNo = int16_t(g);
    r.Fares[0] = 170;
    return r;
}

std::vector<fare::Hy3Record> Stops(int n)
{
    std::vector<fare::Hy3Record> records;
    for (int g = 1; g <= n; ++g)
        records.push_back(Stop(g));
    return records;
}

QByteArray WithCount(QByteArray bytes, int16_t count)
{
    bytes[0] = char(count & 0xFF);
    bytes[1] = char((count >> 8) & 0xFF);
    return bytes;
}

// A checker of another kind of file, as later ones are added.
class TapeChecker : public tool::FolderChecker
{
public:
    bool claims(const QString &fileName) const override
    {
        return fileName.endsWith(QLatin1String("tp.csv"));
    }
    void check(const QString &path, std::vector<tool::Finding> &findings) const override
    {
        findings.push_back({path, QStringLiteral("line 1: looked at")});
    }
};

} // namespace

TEST(CheckCommand, FindsEveryPlantedFaultAndNothingInGoodFiles)
{
    QTemporaryDir dir;
    auto write = [&](const QString &name, const QByteArray &bytes) {
        ASSERT_TRUE(WriteAll(dir.filePath(name), bytes));
    };
    using fare::Hy3Writer;
    write(QStringLiteral("1.hy3"), Hy3Writer::Encode(Stops(5)));
    write(QStringLiteral("2.hy3"), Hy3Writer::Encode(Stops(5)).left(700));
    write(QStringLiteral("3.hy3"), Hy3Writer::Encode(Stops(302)));
    write(QStringLiteral("4.hy3"), WithCount(Hy3Writer::Encode(Stops(3)), 0));
    auto fares = Stops(4);
    fares[2].Fares[29] = 16384;
    fares[3].Fares[0] = -1;     // -1 is never doubled
    fares[3].Fares[30] = 30000; // a data column, never doubled either
    write(QStringLiteral("5.hy3"), Hy3Writer::Encode(fares));
    auto names = Stops(3);
    names[1].Name = QByteArray("\x81", 1);
    write(QStringLiteral("6.hy3"), Hy3Writer::Encode(names));
    write(QStringLiteral("7.hy3"), Hy3Writer::Encode(Stops(3)) + "xyz");
    write(QStringLiteral("8.hy3"), WithCount(Hy3Writer::Encode(Stops(3)), -1));
    write(QStringLiteral("9.hy3"), QByteArray());
    write(QStringLiteral("010.hy3"), Hy3Writer::Encode(Stops(3)));
    write(QStringLiteral("11.hy3"), Hy3Writer::Encode(Stops(1)));
    write(QStringLiteral("notes.txt"), "not a data file");

    const ToolRun run = RunTool({QStringLiteral("check"), dir.path()});
    EXPECT_EQ(run.status, 1);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    auto finds = [&](const QString &file, const QString &what) {
        const QString prefix = dir.filePath(file) + QStringLiteral(": ");
        for (const QString &line : lines) {
            if (line.startsWith(prefix) && line.contains(what))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(finds(QStringLiteral("2.hy3"),
                      QStringLiteral("record 3 (byte 624): the file ends inside")));
    EXPECT_TRUE(finds(QStringLiteral("3.hy3"), QStringLiteral("302 records: rows beyond 301")));
    EXPECT_TRUE(finds(
        QStringLiteral("4.hy3"),
        QStringLiteral("record count is 0; route setting refuses the route; 933 bytes follow it")));
    EXPECT_TRUE(finds(QStringLiteral("5.hy3"), QStringLiteral("record 3: fare f30 is 16384")));
    EXPECT_TRUE(
        finds(QStringLiteral("6.hy3"),
              QStringLiteral("record 2 (byte 313): the stop name is not valid CP932 (bytes 81)")));
    EXPECT_TRUE(finds(QStringLiteral("7.hy3"), QStringLiteral("3 bytes after record 3")));
    EXPECT_TRUE(finds(QStringLiteral("8.hy3"), QStringLiteral("record count is negative (-1)")));
    EXPECT_TRUE(
        finds(QStringLiteral("9.hy3"), QStringLiteral("too short to hold the record count")));
    EXPECT_TRUE(finds(QStringLiteral("010.hy3"), QStringLiteral("never opens this file")));
    EXPECT_TRUE(finds(QStringLiteral("11.hy3"), QStringLiteral("only 1 record")));
    EXPECT_EQ(lines.size(), 10) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("11 files checked, 10 findings")));
}

TEST(CheckCommand, CleanFolderPassesAndAMissingOneFails)
{
    EXPECT_EQ(
        RunTool({QStringLiteral("check"), QStringLiteral(HARUNE_SOURCE_DIR "/data/demo")}).status,
        0);
    QTemporaryDir dir;
    const ToolRun missing =
        RunTool({QStringLiteral("check"), dir.filePath(QStringLiteral("none"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no such folder")));
}

TEST(CheckCommand, EveryCheckerLooksAtTheFilesItClaims)
{
    QTemporaryDir dir;
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("1.hy3")), fare::Hy3Writer::Encode(Stops(3))));
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("1tp.csv")),
                         base::Cp932::fromUnicode(QStringLiteral("\"次は、市役所前です。\",1,0\r\n"))));
    tool::Checkers checkers = tool::DefaultCheckers();
    checkers.push_back(std::make_shared<TapeChecker>());
    const ToolRun run = RunTool({QStringLiteral("check"), dir.path()}, checkers);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              dir.filePath(QStringLiteral("1tp.csv")) + QStringLiteral(": line 1: looked at\n"));
    EXPECT_EQ(run.err, dir.path() + QStringLiteral(": 2 files checked, 1 finding\n"));
}

TEST(CheckCommand, NamesEveryBadLineOfABroadcastFile)
{
    QTemporaryDir dir;
    const QByteArray good = base::Cp932::fromUnicode(QStringLiteral("\"次は、駅前です。\",1,2\r\n"));
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("1tp.csv")), good + good));
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("2tp.csv")),
                         good + "only text\r\n" + "\r\n" + base::Cp932::fromUnicode(QStringLiteral("次は,1,70000\r\n"))
                             + "\"\x82\",1,1\r\n"));
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("3tp.csv")), QByteArray()));
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("4tp.csv")), "\x1a")); // the end-of-file mark alone
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("5Tp.csv")), good));    // read: no 5tp.csv exists
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("6tp.csv")), good));
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("6TP.csv")), good));    // never read: 6tp.csv is
    ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("007tp.csv")), good));
    const ToolRun run = RunTool({QStringLiteral("check"), dir.path()});
    EXPECT_EQ(run.status, 1);
    const QString two = dir.filePath(QStringLiteral("2tp.csv")) + QStringLiteral(": line ");
    EXPECT_TRUE(run.out.contains(two + QStringLiteral("2: 1 value, not three")));
    EXPECT_TRUE(run.out.contains(two + QStringLiteral("3: blank")));
    EXPECT_TRUE(run.out.contains(two + QStringLiteral("4: the sound flag is \"70000\"")));
    EXPECT_TRUE(run.out.contains(two + QStringLiteral("5: bytes that are not Shift-JIS")));
    EXPECT_TRUE(run.out.contains(dir.filePath(QStringLiteral("3tp.csv")) + QStringLiteral(": empty")));
    EXPECT_TRUE(run.out.contains(dir.filePath(QStringLiteral("007tp.csv")) + QStringLiteral(": the tape reads")));
    EXPECT_TRUE(run.out.contains(dir.filePath(QStringLiteral("4tp.csv")) + QStringLiteral(": empty")));
    EXPECT_TRUE(run.out.contains(dir.filePath(QStringLiteral("6TP.csv")) + QStringLiteral(": the tape of route 6 opens 6tp.csv")));
    EXPECT_EQ(run.out.count(u'\n'), 8) << run.out.toStdString();
    // check and the tape judge every file alike.
    for (const char *route : {"1", "2", "3", "4", "5", "6"}) {
        const QString opened = sound::BroadcastData::resolvedPath(sound::BroadcastData::filePath(dir.path(), QString::fromLatin1(route)));
        EXPECT_EQ(run.out.contains(opened + QStringLiteral(": ")), !sound::BroadcastData::load(opened)) << route;
    }
}
