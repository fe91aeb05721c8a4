#include "ToolRun.h"
#include "../support/FileSizeLimit.h"
#include "731-tool/CsvFile.h"

#include "fare/Hy3Reader.h"
#include "fare/Hy3Writer.h"
#include "base/AtomicFile.h"
#include "base/Cp932.h"

#include <QDir>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

using namespace tooltest;

namespace {

class Hy3Commands : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return dir.filePath(name); }

    // dump FILE, build the dump, and return the bytes built.
    QByteArray dumpThenBuild(const QString &hy3)
    {
        const ToolRun dump = RunTool({QStringLiteral("hy3"), QStringLiteral("dump"), hy3});
        EXPECT_EQ(dump.status, 0) << dump.err.toStdString();
        EXPECT_TRUE(WriteAll(path(QStringLiteral("dump.csv")), dump.out.toUtf8()));
        const ToolRun build =
            RunTool({QStringLiteral("hy3"), QStringLiteral("build"),
                     path(QStringLiteral("dump.csv")), path(QStringLiteral("built.hy3"))});
        EXPECT_EQ(build.status, 0) << build.err.toStdString();
        return ReadAll(path(QStringLiteral("built.hy3")));
    }

    ToolRun build(const QByteArray &csv)
    {
        WriteAll(path(QStringLiteral("in.csv")), csv);
        return RunTool({QStringLiteral("hy3"), QStringLiteral("build"),
                        path(QStringLiteral("in.csv")), path(QStringLiteral("out.hy3"))});
    }

    // The CSV of `rows` lines after the header: "停留所g,g,g".
    static QByteArray rows(int n)
    {
        QByteArray csv = "name,ticket,f1\n";
        for (int g = 1; g <= n; ++g)
            csv += QStringLiteral("停留所%1,%1,%1\n").arg(g).toUtf8();
        return csv;
    }

    QTemporaryDir dir;
};

// 301 records with double-byte, half-width and punctuated names and the extreme fares.
std::vector<fare::Hy3Record> ShiftJisRoute()
{
    const QStringList names{QStringLiteral("市立総合医療センター前"),
                            QStringLiteral("ﾊﾙﾈ駅"),
                            QStringLiteral("本町,二丁目"),
                            QStringLiteral("\"港\"前"),
                            QStringLiteral("①番乗り場"),
                            QString(),
                            QStringLiteral(" 空白 "),
                            QStringLiteral("\x1b[31m赤\x07\r\n\t")};
    std::vector<fare::Hy3Record> records;
    for (int g = 1; g <= 301; ++g) {
        fare::Hy3Record r;
        r.Name = base::Cp932::fromUnicode(names[g % names.size()] + QString::number(g));
        r.TicketNo = int16_t(g);
        for (int k = 0; k < fare::FareColumns; ++k)
            r.Fares[k] = int16_t((g * 7919 + k * 104729) % 65536 - 32768);
        records.push_back(r);
    }
    records[0].Fares[0] = -32768;
    records[0].Fares[1] = 32767;
    records[0].Fares[2] = -1;
    return records;
}

} // namespace

TEST_F(Hy3Commands, DumpThenBuildGivesBackTheDemoRoutesByteForByte)
{
    for (const QString &route : {QStringLiteral("1"), QStringLiteral("2")}) {
        const QString hy3 = DemoFile(route + QStringLiteral(".hy3"));
        const QByteArray original = ReadAll(hy3);
        ASSERT_FALSE(original.isEmpty()) << route.toStdString();
        EXPECT_EQ(dumpThenBuild(hy3), original) << route.toStdString();
        // The committed data is the build of its committed source.
        EXPECT_EQ(ReadAll(path(QStringLiteral("dump.csv"))),
                  ReadAll(DemoFile(QStringLiteral("src/") + route + QStringLiteral(".csv"))));
    }
}

TEST_F(Hy3Commands, DumpThenBuildGivesBackA301RecordShiftJisFile)
{
    const QString hy3 = path(QStringLiteral("301.hy3"));
    ASSERT_TRUE(fare::Hy3Writer::WriteFile(hy3, ShiftJisRoute()));
    EXPECT_EQ(dumpThenBuild(hy3), ReadAll(hy3));
    // Names with escape sequences and line breaks reach the terminal as their pictures only.
    const QByteArray dump = ReadAll(path(QStringLiteral("dump.csv")));
    EXPECT_EQ(std::count_if(dump.begin(), dump.end(), [](char c) { return uchar(c) < 0x20 || c == 0x7F; }),
              dump.count('\n'));
    EXPECT_EQ(dump.count('\n'), 302);
    EXPECT_TRUE(dump.contains(QStringLiteral("\"␛[31m赤␇␍␊␉7\",7,").toUtf8()));
}

// A spreadsheet's Shift-JIS CSV with a Japanese header, its UTF-8 twin with the English
// header, and one with a byte order mark and no header at all build the same file.
TEST_F(Hy3Commands, ShiftJisAndUtf8SpreadsheetsBuildTheSameFile)
{
    const QString stops = QStringLiteral("駅前,1,0\r\n\"本町,二丁目\",2,170,0\r\nﾊﾙﾈ①髙島屋前,3,210,170,-1\r\n");
    const struct
    {
        QString file;
        QByteArray bytes;
        QString encoding;
    } twins[] = {
        {QStringLiteral("sjis.csv"), base::Cp932::fromUnicode(QStringLiteral("停留所名,整理券番号,運賃1,運賃2\r\n") + stops),
         QStringLiteral("read as Shift-JIS (CP932)")},
        {QStringLiteral("utf8.csv"), (QStringLiteral("name,ticket,f1,f2\n") + stops).toUtf8(), QStringLiteral("read as UTF-8\n")},
        {QStringLiteral("bom.csv"), "\xEF\xBB\xBF" + stops.toUtf8(), QStringLiteral("read as UTF-8 with a byte order mark")},
    };
    QByteArray first;
    for (const auto &twin : twins) {
        ASSERT_TRUE(WriteAll(path(twin.file), twin.bytes));
        const QString out = path(twin.file + QStringLiteral(".hy3"));
        const ToolRun run = RunTool({QStringLiteral("hy3"), QStringLiteral("build"), QStringLiteral("--verbose"),
                                     path(twin.file), out});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(twin.encoding)) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(out + QStringLiteral(": 3 records written"))) << run.err.toStdString();
        const QByteArray built = ReadAll(out);
        if (first.isEmpty())
            first = built;
        EXPECT_EQ(built, first) << twin.file.toStdString();
    }
    const fare::Hy3Content c = fare::Hy3Reader::Parse(first);
    ASSERT_EQ(c.records.size(), 3u);
    EXPECT_EQ(base::Cp932::toUnicode(c.records[1].Name), QStringLiteral("本町,二丁目"));
    EXPECT_EQ(base::Cp932::toUnicode(c.records[2].Name), QStringLiteral("ﾊﾙﾈ①髙島屋前"));
    EXPECT_EQ(c.records[2].Fares[2], -1);
}

TEST_F(Hy3Commands, FaresLateNightCannotDoubleWarnUnlessStrict)
{
    const QByteArray csv = "a,1,16383,16384\nb,2,-16385,0\nc,3," + QByteArray(30, '0').replace("0", "0,") + "30000\n";
    ToolRun run = build(csv);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("out.hy3"))));
    const QString in = path(QStringLiteral("in.csv"));
    EXPECT_EQ(run.err, in + QStringLiteral(": line 1: warning: fare f2 is 16384, which late-night fare cannot double (16383 at most)\n")
                           + in + QStringLiteral(": line 2: warning: fare f1 is -16385, which late-night fare cannot double (16383 at most)\n"));

    QFile::remove(path(QStringLiteral("out.hy3")));
    run = RunTool({QStringLiteral("hy3"), QStringLiteral("build"), QStringLiteral("--strict"), in, path(QStringLiteral("out.hy3"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(in + QStringLiteral(": line 1: fare f2 is 16384"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.hy3"))));
}

TEST_F(Hy3Commands, DumpWritesUtf8CsvWithQuotedNames)
{
    fare::Hy3Record r;
    r.Name = base::Cp932::fromUnicode(QStringLiteral("\"港\"前,北口"));
    r.TicketNo = 3;
    r.Fares[0] = 230;
    r.Fares[149] = -1;
    ASSERT_TRUE(fare::Hy3Writer::WriteFile(path(QStringLiteral("3.hy3")), {r}));
    const ToolRun dump =
        RunTool({QStringLiteral("hy3"), QStringLiteral("dump"), path(QStringLiteral("3.hy3"))});
    ASSERT_EQ(dump.status, 0);
    const QStringList lines = dump.out.split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("name,ticket,f1,f2,")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(",f149,f150")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\"\"\"港\"\"前,北口\",3,230,0,")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",0,-1")));
    EXPECT_EQ(lines[1].count(u','), 152);
}

TEST_F(Hy3Commands, BrokenFilesAreReportedAndNothingIsDumped)
{
    const QByteArray good = fare::Hy3Writer::Encode(ShiftJisRoute());
    QByteArray countBeyond = fare::Hy3Writer::Encode({ShiftJisRoute()[0]});
    countBeyond[0] = 2;
    auto badName = ShiftJisRoute();
    badName[4].Name = QByteArray("\x82\xa0\xfd", 3);

    const struct
    {
        QString file;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {QStringLiteral("cut.hy3"), good.left(5000), QStringLiteral("record 16 (byte")},
        {QStringLiteral("beyond.hy3"), countBeyond,
         QStringLiteral("the count says 2 records but the file ends after record 1")},
        {QStringLiteral("name.hy3"), fare::Hy3Writer::Encode(badName),
         QStringLiteral("record 5 (byte")},
        {QStringLiteral("short.hy3"), QByteArray("\x01", 1), QStringLiteral("too short")},
        {QStringLiteral("negative.hy3"), QByteArray("\xfe\xff", 2),
         QStringLiteral("negative (-2)")},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(WriteAll(path(c.file), c.bytes));
        const ToolRun dump = RunTool({QStringLiteral("hy3"), QStringLiteral("dump"), path(c.file)});
        EXPECT_EQ(dump.status, 1) << c.file.toStdString();
        EXPECT_TRUE(dump.out.isEmpty()) << c.file.toStdString();
        EXPECT_TRUE(dump.err.startsWith(path(c.file) + QStringLiteral(": ")))
            << dump.err.toStdString();
        EXPECT_TRUE(dump.err.contains(c.expected)) << dump.err.toStdString();
    }
}

TEST_F(Hy3Commands, DumpWarnsAboutWhatTheProgramWouldNotUse)
{
    std::vector<fare::Hy3Record> records(302);
    ASSERT_TRUE(
        WriteAll(path(QStringLiteral("big.hy3")), fare::Hy3Writer::Encode(records) + "junk"));
    const ToolRun dump =
        RunTool({QStringLiteral("hy3"), QStringLiteral("dump"), path(QStringLiteral("big.hy3"))});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.out.count(u'\n'), 303);
    EXPECT_TRUE(dump.err.contains(QStringLiteral("302 records, more than the 301 rows")));
    EXPECT_TRUE(dump.err.contains(QStringLiteral("4 bytes after record 302")));
}

TEST_F(Hy3Commands, BuildFillsMissingFieldsWithZeroAndSkipsTheHeader)
{
    const ToolRun run =
        build("\xEF\xBB\xBFname,ticket,f1\r\n駅前,1\r\n\r\n\"市役所\r\n前\",2,170,, 5 \r\n");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const fare::Hy3Content c = fare::Hy3Reader::ReadFile(path(QStringLiteral("out.hy3")));
    ASSERT_EQ(c.records.size(), 2u);
    EXPECT_EQ(base::Cp932::toUnicode(c.records[0].Name), QStringLiteral("駅前"));
    EXPECT_EQ(c.records[0].Fares, (std::array<int16_t, 150>{}));
    EXPECT_EQ(base::Cp932::toUnicode(c.records[1].Name), QStringLiteral("市役所\r\n前"));
    EXPECT_EQ(c.records[1].TicketNo, 2);
    EXPECT_EQ(c.records[1].Fares[0], 170);
    EXPECT_EQ(c.records[1].Fares[1], 0);
    EXPECT_EQ(c.records[1].Fares[2], 5);
}

TEST_F(Hy3Commands, BuildRefusalsNameTheLineAndLeaveNoFile)
{
    const struct
    {
        QByteArray csv;
        QString expected;
    } cases[] = {
        {"name,ticket\n駅前,1\nCafé,2\n",
         QStringLiteral("line 3: the name \"Café\" holds 'é' (U+00E9)")},
        {"name,ticket\n😀前,1\n", QStringLiteral("line 2: the name")},
        {"a,1,2\nb,2,40000\n", QStringLiteral("line 2: field f1 is \"40000\"")},
        {"a,1,-32769\n", QStringLiteral("line 1: field f1 is \"-32769\"")},
        {"a,1\nb,1x\n", QStringLiteral("line 2: field ticket is \"1x\"")},
        {"停留所名,整理券番号,f1\n駅前,1,170\n本町,,170\n", QStringLiteral("line 3: field ticket is empty")},
        {"駅前,1,170\n本町\n", QStringLiteral("line 2: field ticket is missing")},
        {rows(302), QStringLiteral("line 303: record 302 is more than the 301 rows")},
        {"a,1\n\"b,2\n", QStringLiteral("line 2: a quoted field is not closed")},
        {"a,1\n\"b\"c,2\n", QStringLiteral("line 2: text after the closing quote")},
        {"a,1\n\xff,2\n", QStringLiteral("line 2: the text is neither UTF-8 nor Shift-JIS (CP932)")},
        {"a" + QByteArray(152, ',') + "\n", QStringLiteral("line 1: 153 fields, at most 152")},
    };
    for (const auto &c : cases) {
        const ToolRun run = build(c.csv);
        EXPECT_EQ(run.status, 1) << c.expected.toStdString();
        EXPECT_TRUE(
            run.err.contains(path(QStringLiteral("in.csv")) + QStringLiteral(": ") + c.expected))
            << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.hy3")))) << c.expected.toStdString();
    }
    // An earlier build stays as it was.
    ASSERT_EQ(build(rows(3)).status, 0);
    const QByteArray before = ReadAll(path(QStringLiteral("out.hy3")));
    EXPECT_EQ(build(rows(302)).status, 1);
    EXPECT_EQ(ReadAll(path(QStringLiteral("out.hy3"))), before);
    EXPECT_EQ(build(rows(301)).status, 0);
}

TEST_F(Hy3Commands, BuildOntoAFullDiskFailsLoudlyAndKeepsTheOldFile)
{
    ASSERT_EQ(build(rows(3)).status, 0);
    const QByteArray old = ReadAll(path(QStringLiteral("out.hy3")));
    ASSERT_TRUE(WriteAll(path(QStringLiteral("in.csv")), rows(301)));
    ToolRun run;
    {
        // Room for a little, not for 301 records of 150 fares.
        FileSizeLimit limit(16 * 1024);
        run = RunTool({QStringLiteral("hy3"), QStringLiteral("build"), path(QStringLiteral("in.csv")),
                       path(QStringLiteral("out.hy3"))});
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("%1: cannot be written: %2")
                                     .arg(path(QStringLiteral("out.hy3")), base::AtomicFile::reasonFor(EFBIG)));
    EXPECT_EQ(ReadAll(path(QStringLiteral("out.hy3"))), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("in.csv"), QStringLiteral("out.hy3")}));
}

namespace {

// 50 MB of fare rows, handed out as asked and counted.
class EndlessRows final : public QIODevice
{
public:
    EndlessRows() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 handedOut = 0;

protected:
    qint64 readData(char *data, qint64 max) override
    {
        static const QByteArray row = QStringLiteral("停留所,1,170,210,250\r\n").toUtf8();
        const qint64 n = qMin(max, Total - handedOut);
        for (qint64 i = 0; i < n; ++i)
            data[i] = row[(handedOut + i) % row.size()];
        handedOut += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    static constexpr qint64 Total = 50 * 1000 * 1000;
};

} // namespace

TEST(FareCsvReading, StopsAtTheRowLimitInsteadOfReadingEverything)
{
    EndlessRows rows;
    const tool::CsvFileText text = tool::ReadCsv(rows, fare::MaxRows + 2);
    EXPECT_TRUE(text.error.isEmpty());
    EXPECT_TRUE(text.more);
    ASSERT_EQ(text.rows.size(), size_t(fare::MaxRows + 2));
    EXPECT_EQ(text.rows.back().line, fare::MaxRows + 2);
    EXPECT_EQ(text.rows.back().fields, (QStringList{QStringLiteral("停留所"), QStringLiteral("1"), QStringLiteral("170"),
                                                    QStringLiteral("210"), QStringLiteral("250")}));
    EXPECT_LT(rows.handedOut, 256 * 1024);
}
