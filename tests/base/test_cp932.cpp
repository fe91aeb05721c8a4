#include "base/Cp932.h"

#include <gtest/gtest.h>

using base::Cp932;

TEST(Cp932, EncodesKanaKanjiAndHalfWidth)
{
    bool ok = false;
    EXPECT_EQ(Cp932::fromUnicode(QStringLiteral("ゴシック"), &ok), QByteArray("\x83\x53\x83\x56\x83\x62\x83\x4e"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(Cp932::fromUnicode(QStringLiteral("ｽｸﾛｰﾙ")), QByteArray("\xbd\xb8\xdb\xb0\xd9"));
    EXPECT_EQ(Cp932::fromUnicode(QStringLiteral("A1-")), QByteArray("A1-"));
    // Vendor extensions of the code page: circled digits and the NEC/IBM kanji.
    EXPECT_EQ(Cp932::fromUnicode(QStringLiteral("①髙")), QByteArray("\x87\x40\xfb\xfc"));
}

TEST(Cp932, RoundTripsEveryDoubleByteCharacterItDecodes)
{
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            const QByteArray bytes{char(lead), char(trail)};
            bool ok = false;
            const QString text = Cp932::toUnicode(bytes, &ok);
            if (!ok)
                continue;
            ++checked;
            // NEC-selected IBM extensions decode to the same characters as the IBM rows, which
            // encode back to the IBM codes; everything else must come back byte for byte.
            if (lead >= 0xED && lead <= 0xEE)
                continue;
            ASSERT_EQ(Cp932::fromUnicode(text), bytes) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(checked, 7000);
}

TEST(Cp932, CharactersOutsideTheCodePageAreReported)
{
    bool ok = true;
    EXPECT_EQ(Cp932::fromUnicode(QStringLiteral("a\u00e9b"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
    EXPECT_FALSE(Cp932::canEncode(QStringLiteral("😀")));
    EXPECT_EQ(Cp932::fromUnicode(QStringLiteral("x😀y")), QByteArray("x?y"));
    EXPECT_TRUE(Cp932::canEncode(QStringLiteral("次は市役所前")));
}

TEST(Cp932, BrokenBytesDecodeToTheDefaultCharacterAndAreReported)
{
    bool ok = true;
    // A lone lead byte at the end, then a stray trail byte in the middle.
    EXPECT_EQ(Cp932::toUnicode(QByteArray("a\x82"), &ok), QStringLiteral("a・"));
    EXPECT_FALSE(ok);
    EXPECT_EQ(Cp932::toUnicode(QByteArray("\x80" "b")), QStringLiteral("・b"));
    EXPECT_FALSE(Cp932::isValid(QByteArray("\x82")));
    EXPECT_TRUE(Cp932::isValid(QByteArray("\x82\xa0")));
    // Half-width katakana are single bytes of their own.
    EXPECT_EQ(Cp932::toUnicode(QByteArray("\xb1")), QStringLiteral("ｱ"));
}

TEST(Cp932, LongTextIsConvertedWhole)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("停留所");
    const QByteArray bytes = Cp932::fromUnicode(text);
    EXPECT_EQ(bytes.size(), 30000);
    EXPECT_EQ(Cp932::toUnicode(bytes), text);
}
