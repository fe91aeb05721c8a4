#include "ToolRun.h"

#include "base/Cp932.h"
#include "sound/BroadcastData.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tooltest;
using sound::TapeEntry;

namespace {

class TpCommands : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    ToolRun build(const QString &csvName, const QByteArray &csv, const QString &out = QStringLiteral("1tp.csv"))
    {
        WriteAll(path(csvName), csv);
        return RunTool({QStringLiteral("tp"), QStringLiteral("build"), path(csvName), path(out)});
    }

    QTemporaryDir dir;
};

} // namespace

// What an author writes in a spreadsheet, saved either way, is what the tape reads.
TEST_F(TpCommands, BuildThenTheTapesReaderGivesTheLinesBack)
{
    const QString csv = QStringLiteral("放送文,送り,音\r\n"
                                       "ご乗車ありがとうございます。,0,3\r\n"
                                       "\r\n"
                                       "\"次は、本町二丁目です。「\"\"本町\"\"」です。\",1,1\r\n"
                                       "  ﾊﾙﾈ①髙島屋前  ,1 , 0\r\n"
                                       "\"終点、\x1bです。\",-1,2\r\n");
    const std::vector<TapeEntry> expected{
        {QStringLiteral("ご乗車ありがとうございます。"), 0, 3},
        {QStringLiteral("次は、本町二丁目です。「\"本町\"」です。"), 1, 1},
        {QStringLiteral("  ﾊﾙﾈ①髙島屋前  "), 1, 0},
        {QStringLiteral("終点、\x1bです。"), -1, 2},
    };
    for (const QByteArray &bytes : {csv.toUtf8(), base::Cp932::fromUnicode(csv)}) {
        const ToolRun run = build(QStringLiteral("in.csv"), bytes);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const auto entries = sound::BroadcastData::load(sound::BroadcastData::filePath(dir.path(), QStringLiteral("1")));
        ASSERT_TRUE(entries);
        EXPECT_EQ(*entries, expected);
    }
    // tp dump, then tp build, gives the same bytes back.
    const QByteArray built = ReadAll(path(QStringLiteral("1tp.csv")));
    const ToolRun dump = RunTool({QStringLiteral("tp"), QStringLiteral("dump"), path(QStringLiteral("1tp.csv"))});
    ASSERT_EQ(dump.status, 0) << dump.err.toStdString();
    EXPECT_TRUE(dump.out.startsWith(QStringLiteral("text,step,sound\nご乗車ありがとうございます。,0,3\n")));
    EXPECT_TRUE(dump.out.contains(QStringLiteral("\"終点、␛です。\",-1,2\n")));
    ASSERT_EQ(build(QStringLiteral("dump.csv"), dump.out.toUtf8(), QStringLiteral("2tp.csv")).status, 0);
    EXPECT_EQ(ReadAll(path(QStringLiteral("2tp.csv"))), built);
}

TEST_F(TpCommands, TheDemoSourcesBuildTheDemoFiles)
{
    for (const QString &route : {QStringLiteral("1"), QStringLiteral("2")}) {
        const QString name = route + QStringLiteral("tp.csv");
        ASSERT_EQ(RunTool({QStringLiteral("tp"), QStringLiteral("build"), DemoFile(QStringLiteral("src/") + name), path(name)}).status, 0);
        EXPECT_EQ(ReadAll(path(name)), ReadAll(DemoFile(name))) << name.toStdString();
    }
}

TEST_F(TpCommands, RefusalsNameTheLineAndLeaveNoFile)
{
    const struct
    {
        QByteArray csv;
        QString expected;
    } cases[] = {
        {"a,1,1\nb,,1\n", QStringLiteral("line 2: field step is empty")},
        {"a,1,1\nb,1\n", QStringLiteral("line 2: 2 fields, not three")},
        {"a,1,1\nb,c,d,1,1\n", QStringLiteral("line 2: 5 fields, not three")},
        {"a,1,70000\n", QStringLiteral("line 1: field sound is \"70000\"")},
        {"\"two\nlines\",1,1\n", QStringLiteral("line 1: the text holds a line break")},
        {"Café,1,1\n", QStringLiteral("line 1: the text \"Café\" holds characters that Shift-JIS (CP932) cannot write")},
        {"text,step,sound\n", QStringLiteral("no announcements")},
    };
    for (const auto &c : cases) {
        const ToolRun run = build(QStringLiteral("in.csv"), c.csv);
        EXPECT_EQ(run.status, 1) << c.expected.toStdString();
        EXPECT_TRUE(run.err.startsWith(path(QStringLiteral("in.csv")) + QStringLiteral(": ") + c.expected))
            << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("1tp.csv")))) << c.expected.toStdString();
    }
    // A file the tape refuses is not dumped; every bad line is named.
    WriteAll(path(QStringLiteral("9tp.csv")), "\x1a");
    const ToolRun dump = RunTool({QStringLiteral("tp"), QStringLiteral("dump"), path(QStringLiteral("9tp.csv"))});
    EXPECT_EQ(dump.status, 1);
    EXPECT_TRUE(dump.out.isEmpty());
    EXPECT_EQ(dump.err, path(QStringLiteral("9tp.csv")) + QStringLiteral(": empty (at most an end-of-file mark); the tape stays off\n"));
}
