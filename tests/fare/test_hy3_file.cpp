#include "FareFiles.h"

#include "fare/Hy3Reader.h"
#include "fare/Hy3Writer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fare;
using namespace faretest;

TEST(Hy3File, RecordLayoutIsLittleEndianWithTheNameLengthInBytes)
{
    const QByteArray bytes = Encode({Record(QStringLiteral("市役所前"), 258, {230, -1})});
    ASSERT_EQ(bytes.size(), 2 + 304 + 8);
    EXPECT_EQ(bytes.left(4), QByteArray("\x01\x00\x08\x00", 4));
    EXPECT_EQ(bytes.mid(4, 8), base::Cp932::fromUnicode(QStringLiteral("市役所前")));
    EXPECT_EQ(bytes.mid(12, 6), QByteArray("\x02\x01\xe6\x00\xff\xff", 6));

    const Hy3Content c = Hy3Reader::Parse(bytes);
    ASSERT_TRUE(c.ok());
    ASSERT_EQ(c.records.size(), 1u);
    EXPECT_EQ(c.records[0].Name.size(), 8);
    EXPECT_EQ(c.records[0].TicketNo, 258);
    EXPECT_EQ(c.records[0].Fares[0], 230);
    EXPECT_EQ(c.records[0].Fares[1], -1);
}

TEST(Hy3File, WriteThenReadGivesTheSameRecords)
{
    QTemporaryDir dir;
    const auto records = Stops(301);
    const QString path = dir.filePath(QStringLiteral("7.hy3"));
    ASSERT_TRUE(Hy3Writer::WriteFile(path, records));
    const Hy3Content c = Hy3Reader::ReadFile(path);
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(c.count, 301);
    EXPECT_EQ(c.records, records);
    EXPECT_EQ(c.trailingBytes, 0);
}

TEST(Hy3File, ProblemsNameTheRecordWhereReadingStopped)
{
    const QByteArray good = Encode(Stops(3));

    EXPECT_EQ(Hy3Reader::Parse(QByteArray("\x01", 1)).problem, Hy3Problem::NoCount);

    // Cut inside the fares of record 3, then inside the name of record 2.
    Hy3Content c = Hy3Reader::Parse(good.left(good.size() - 1));
    EXPECT_EQ(c.problem, Hy3Problem::Truncated);
    EXPECT_EQ(c.problemRecord, 3);
    EXPECT_EQ(c.records.size(), 2u);
    const qsizetype record2 = 2 + 304 + Stops(1)[0].Name.size();
    c = Hy3Reader::Parse(good.left(record2 + 4));
    EXPECT_EQ(c.problem, Hy3Problem::Truncated);
    EXPECT_EQ(c.problemRecord, 2);
    EXPECT_EQ(c.problemOffset, record2);

    // A count beyond the records is a truncation too.
    c = Hy3Reader::Parse(EncodeWithCount(Stops(3), 4));
    EXPECT_EQ(c.problem, Hy3Problem::Truncated);
    EXPECT_EQ(c.problemRecord, 4);

    // A name length far beyond the end of the file.
    c = Hy3Reader::Parse(QByteArray("\x01\x00\xff\xff"
                                    "abc",
                                    7));
    EXPECT_EQ(c.problem, Hy3Problem::Truncated);

    auto broken = Stops(2);
    broken[1].Name = QByteArray("\x82\xa0\x82", 3); // a lone lead byte at the end
    c = Hy3Reader::Parse(Encode(broken));
    EXPECT_EQ(c.problem, Hy3Problem::BadName);
    EXPECT_EQ(c.problemRecord, 2);
}

TEST(Hy3File, NothingAfterTheLastRecordIsRead)
{
    const QByteArray bytes = EncodeWithCount(Stops(3), 2);
    const Hy3Content c = Hy3Reader::Parse(bytes + "xyz");
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(c.records.size(), 2u);
    EXPECT_EQ(c.trailingBytes, bytes.size() - Encode(Stops(2)).size() + 3);

    const Hy3Content limited = Hy3Reader::Parse(Encode(Stops(5)), 2);
    EXPECT_EQ(limited.count, 5);
    EXPECT_EQ(limited.records.size(), 2u);
    EXPECT_FALSE(limited.complete());
}

TEST(Hy3File, WriterRefusesWhatTheFormatCannotHoldAndLeavesNoFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("9.hy3"));
    auto records = Stops(1);
    records[0].Name = QByteArray(70000, 'a');
    QString error;
    EXPECT_FALSE(Hy3Writer::WriteFile(path, records, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("record 1")));
    EXPECT_FALSE(QFile::exists(path));
}
