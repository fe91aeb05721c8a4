#include "base/Cp932.h"
#include "reslib/KBP4Res.h"

#include <gtest/gtest.h>

using namespace reslib;
using base::Cp932;

namespace {
QByteArray sjis(const char16_t *text)
{
    return Cp932::fromUnicode(QString::fromUtf16(text));
}
} // namespace

TEST(ByteString, LengthCountsCodePageBytes)
{
    EXPECT_EQ(LenB_ASCII(sjis(u"市役所前")), 8);
    EXPECT_EQ(LenB_ASCII(sjis(u"JR駅")), 4);
    EXPECT_EQ(LenB_ASCII(sjis(u"ｽｸﾛｰﾙ")), 5);
    EXPECT_EQ(LenB_ASCII(QByteArray()), 0);
}

TEST(ByteString, SlicesMixedTextInTwoByteUnits)
{
    const QByteArray text = sjis(u"AB駅ｱ前");
    ASSERT_EQ(text.size(), 7);
    EXPECT_EQ(Cp932::toUnicode(MidB_ASCII(text, 1, 2)), QStringLiteral("AB"));
    EXPECT_EQ(Cp932::toUnicode(MidB_ASCII(text, 3, 2)), QStringLiteral("駅"));
    // The lone half-width character shifts the pairing: its slice takes the lead byte of 前.
    const QByteArray cut = MidB_ASCII(text, 5, 2);
    EXPECT_EQ(cut, QByteArray("\xb1") + sjis(u"前").left(1));
    EXPECT_EQ(Cp932::toUnicode(cut), QStringLiteral("ｱ・"));
    // At the end a single trail byte remains.
    EXPECT_EQ(MidB_ASCII(text, 7, 2), sjis(u"前").mid(1));
}

TEST(ByteString, SlicesBeyondTheEndAreEmpty)
{
    const QByteArray text = sjis(u"駅前");
    EXPECT_EQ(MidB_ASCII(text, 5, 2), QByteArray());
    EXPECT_EQ(MidB_ASCII(text, 100, 2), QByteArray());
    EXPECT_EQ(MidB_ASCII(text, 0, 2), QByteArray());
    EXPECT_EQ(MidB_ASCII(text, 1, 0), QByteArray());
    EXPECT_EQ(MidB_ASCII(text, 3, 1000), sjis(u"前"));
}
