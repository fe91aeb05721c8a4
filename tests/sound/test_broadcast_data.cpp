#include "sound/BroadcastData.h"
#include "TapeFakes.h"

#include <gtest/gtest.h>

using sound::BroadcastData;
using sound::TapeEntry;

namespace {

std::optional<std::vector<TapeEntry>> parseText(const QString &text)
{
    return BroadcastData::parse(base::Cp932::fromUnicode(text));
}

} // namespace

TEST(BroadcastData, ReadsTextAndFlagsOfEveryLine)
{
    const auto entries = parseText(QStringLiteral("次は、市役所前です。,1,2\r\n"
                                                  "\"次は、駅前, 終点です。\",0,3\r\n"
                                                  "  間を空けて  ,  -1 , +4 \r\n"));
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0], (TapeEntry{QStringLiteral("次は、市役所前です。"), 1, 2}));
    // Quotes are removed and keep the comma inside.
    EXPECT_EQ((*entries)[1], (TapeEntry{QStringLiteral("次は、駅前, 終点です。"), 0, 3}));
    EXPECT_EQ((*entries)[2], (TapeEntry{QStringLiteral("間を空けて"), -1, 4}));
}

TEST(BroadcastData, AcceptsEveryLineEndAndQuotedOrEmptyFlags)
{
    for (const char *end : {"\r\n", "\n", "\r"}) {
        const QString eol = QString::fromLatin1(end);
        const auto entries = parseText(QStringLiteral("一,\"1\",2") + eol + QStringLiteral("二,,") + eol
                                       + QStringLiteral("\"言う\"\"はい\"\"\",0,0"));
        ASSERT_TRUE(entries) << end;
        ASSERT_EQ(entries->size(), 3u);
        EXPECT_EQ((*entries)[0].StepFlag, 1);
        EXPECT_EQ((*entries)[1], (TapeEntry{QStringLiteral("二"), 0, 0}));
        EXPECT_EQ((*entries)[2].Text, QStringLiteral("言う\"はい\""));
    }
    // An end-of-file mark after the last line is not a line.
    const auto marked = BroadcastData::parse(QByteArray("a,0,0\r\n\x1a"));
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->size(), 1u);
}

TEST(BroadcastData, FlagsAreSixteenBitIntegers)
{
    EXPECT_EQ(parseText(QStringLiteral("a,32767,-32768"))->front(), (TapeEntry{QStringLiteral("a"), 32767, -32768}));
    EXPECT_FALSE(parseText(QStringLiteral("a,32768,0")));
    EXPECT_FALSE(parseText(QStringLiteral("a,0,-32769")));
    EXPECT_FALSE(parseText(QStringLiteral("a,1.5,0")));
    EXPECT_FALSE(parseText(QStringLiteral("a,one,0")));
    EXPECT_FALSE(parseText(QStringLiteral("a,0,１"))); // full-width digit
}

TEST(BroadcastData, MalformedFilesAreRefusedWhole)
{
    const char *const broken[] = {
        "",                          // no entry at all
        "a,0",                       // too few values
        "a,0,0,0",                   // too many: a text with a comma must be quoted
        "a,b,c,0,0",
        "\"a,0,0",                   // the quote is never closed
        "\"a\"x,0,0",                // something between the closing quote and the comma
        "a,0,0\r\n\r\nb,0,0",        // a blank line
        "a,0,0\r\n\r\n",             // a blank line at the end
        "a,0,0\r\n   \r\n",
        "\x82,0,0",                  // a lone lead byte of the code page
    };
    for (const char *bytes : broken)
        EXPECT_FALSE(BroadcastData::parse(QByteArray(bytes))) << bytes;
}

TEST(BroadcastData, FileIsReadAsCodePageText)
{
    QTemporaryDir dir;
    const QString path = writeBroadcastFile(dir, QStringLiteral("12tp.csv"),
                                            {QStringLiteral("次は、ﾊﾙﾈ①髙島屋前です。,1,1")});
    const auto entries = BroadcastData::load(path);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->front().Text, QStringLiteral("次は、ﾊﾙﾈ①髙島屋前です。"));

    // The same text in UTF-8 is not broadcast data.
    writeRawFile(dir, QStringLiteral("13tp.csv"), QStringLiteral("次は、市役所前です。,1,1\r\n").toUtf8());
    EXPECT_FALSE(BroadcastData::load(dir.filePath(QStringLiteral("13tp.csv"))));
}

TEST(BroadcastData, FileNameCaseIsForgiven)
{
    QTemporaryDir dir;
    writeBroadcastFile(dir, QStringLiteral("12Tp.csv"), {QStringLiteral("一,0,0")});
    const auto entries = BroadcastData::load(BroadcastData::filePath(dir.path(), QStringLiteral("12")));
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 1u);
}

TEST(BroadcastData, MissingUnreadableOrHugeFilesGiveNothing)
{
    QTemporaryDir dir;
    EXPECT_FALSE(BroadcastData::load(dir.filePath(QStringLiteral("1tp.csv"))));
    EXPECT_FALSE(BroadcastData::load(QString()));
    QDir(dir.path()).mkdir(QStringLiteral("2tp.csv"));
    EXPECT_FALSE(BroadcastData::load(dir.filePath(QStringLiteral("2tp.csv"))));

    QByteArray huge;
    while (huge.size() <= BroadcastData::MaxFileBytes)
        huge += "a,0,0\r\n";
    writeRawFile(dir, QStringLiteral("3tp.csv"), huge);
    EXPECT_FALSE(BroadcastData::load(dir.filePath(QStringLiteral("3tp.csv"))));

    const QString locked = writeBroadcastFile(dir, QStringLiteral("4tp.csv"), {QStringLiteral("一,0,0")});
    QFile::setPermissions(locked, QFileDevice::Permissions());
    if (!QFile(locked).open(QIODevice::ReadOnly)) { // root reads it anyway
        EXPECT_FALSE(BroadcastData::load(locked));
    }
}

TEST(BroadcastData, DemoRoutesLoad)
{
    const QString demo = QStringLiteral(HARUNE_SOURCE_DIR "/data/demo");
    const auto route1 = BroadcastData::load(BroadcastData::filePath(demo, QStringLiteral("1")));
    const auto route2 = BroadcastData::load(BroadcastData::filePath(demo, QStringLiteral("002")));
    ASSERT_TRUE(route1);
    ASSERT_TRUE(route2);
    EXPECT_EQ(route1->size(), 20u);
    EXPECT_EQ(route2->size(), 6u);
    EXPECT_TRUE(route1->at(3).Text.contains(QStringLiteral("市役所前")));
    bool everySoundFlag[4] = {};
    for (const TapeEntry &e : *route1) {
        if (e.SoundFlag >= 0 && e.SoundFlag <= 3)
            everySoundFlag[e.SoundFlag] = true;
    }
    EXPECT_TRUE(everySoundFlag[0] && everySoundFlag[1] && everySoundFlag[2] && everySoundFlag[3]);
}

// The demo chimes are small plain WAV files that any wave-audio player opens.
TEST(BroadcastData, DemoChimesArePlainSmallWaves)
{
    for (const char *name : {"pinpon.wav", "pon.wav", "pinponpan.wav"}) {
        QFile file(QStringLiteral(HARUNE_SOURCE_DIR "/data/demo/sounds/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_LT(bytes.size(), 100 * 1024) << name;
        ASSERT_GT(bytes.size(), 44) << name;
        EXPECT_EQ(bytes.left(4), QByteArray("RIFF"));
        EXPECT_EQ(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        const auto u16 = [&](int at) { return int(uint8_t(bytes[at])) | int(uint8_t(bytes[at + 1])) << 8; };
        EXPECT_EQ(u16(20), 1) << name;     // PCM
        EXPECT_EQ(u16(22), 1) << name;     // mono
        EXPECT_EQ(u16(24), 22050) << name; // sample rate (low 16 bits)
        EXPECT_EQ(u16(34), 16) << name;    // bits per sample
    }
}
