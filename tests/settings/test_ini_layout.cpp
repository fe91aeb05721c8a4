// The byte layout of the settings file: sizes, offsets and encodings as other copies of the
// program read and write them.
#include "SampleRecords.h"

#include "settings/mdlIniIoEx.h"

#include <gtest/gtest.h>

using settings::IniDecodeInfo;
using settings::IniRecords;
using settings::mdlIniIoEx;

namespace {

// Where each record starts when every text is empty.
constexpr int DegitInfoAt = 44;
constexpr int ChimeiInfoAt = 76;
constexpr int SoundInfoAt = 98;
constexpr int SeirikenInfoAt = 136;
constexpr int CtrlDataInfoAt = 148;
constexpr int FormInfoAt = 170;
constexpr int CustomColorsAt = 178;
constexpr int CellCountAt = 246;
constexpr int DegitCellsAt = 248;

} // namespace

TEST(IniLayout, DefaultRecordsGiveTheDocumentedFile)
{
    const QByteArray bytes = mdlIniIoEx::encode(IniRecords());
    ASSERT_EQ(bytes.size(), 428);
    EXPECT_EQ(bytes.left(44), hexBytes("00000000"
                                       "0100"
                                       "FFFFFF00" "C0FFC000" "C0FFC000"
                                       "0000" "0000"
                                       "FFFF0000FFFF0000FFFF0000FFFF0000"
                                       "000000000000"));
    EXPECT_EQ(bytes.mid(DegitInfoAt, 32), hexBytes("80808000" "96969600" "F8D27200" "0000000000000000000000000000000000000000"));
    EXPECT_EQ(bytes.mid(ChimeiInfoAt, 22), hexBytes("80808000" "FFFF0000" "FFFF" "0000" "FFFF" "FFFF0000" "FFFF" "0000"));
    EXPECT_EQ(bytes.mid(SoundInfoAt, 38), hexBytes("0000" "0000" "FFFF" "0000" "0000" "FFFF" "0000" "0000"
                                                   "0000" "0000" "0000" "FFFF" "0000" "FFFF" "0000"
                                                   "0000" "0000" "0000" "0000"));
    EXPECT_EQ(bytes.mid(SeirikenInfoAt, 12), hexBytes("0000" "0000" "FFFF" "0000" "0000" "0000"));
    // The speed bar starts at its lowest value, 1; everything else of the console and the
    // positions is 0.
    QByteArray console(CellCountAt - CtrlDataInfoAt, '\0');
    console[2] = 1;
    EXPECT_EQ(bytes.mid(CtrlDataInfoAt, CellCountAt - CtrlDataInfoAt), console);
    EXPECT_EQ(bytes.mid(CellCountAt, 2), hexBytes("1E00"));
    EXPECT_EQ(bytes.mid(DegitCellsAt), QByteArray(180, '\0'));
}

TEST(IniLayout, FieldsSitAtTheirRecordOffsets)
{
    IniRecords r;
    r.degit.InfoOrderCell = 0x0102;
    r.degit.InfoColumnNo = 0x0304;
    r.degit.InfoColumnCell = -2;
    r.chimei.ChimeiTsugiwaColor = 0x00332211;
    r.chimei.ChimeiTsugiwaBold = 1;
    r.ctrlData = {7, -2, 0x01020304, 1, 1, 123456, -15};
    r.form = {0x0A0B0C0D, 16};
    r.customColors[16] = 0x00CCBBAA;
    r.degitCells[0] = {1, 2, 3};
    r.degitCells[29] = {-1, 5, 6};

    const QByteArray bytes = mdlIniIoEx::encode(r);
    ASSERT_EQ(bytes.size(), 428);
    EXPECT_EQ(bytes.mid(DegitInfoAt + 14, 2), hexBytes("0201"));
    EXPECT_EQ(bytes.mid(DegitInfoAt + 28, 4), hexBytes("0403" "FEFF"));
    EXPECT_EQ(bytes.mid(ChimeiInfoAt + 14, 8), hexBytes("11223300" "FFFF" "0100"));
    EXPECT_EQ(bytes.mid(CtrlDataInfoAt, 22), hexBytes("0700" "FEFFFFFF" "04030201" "0100" "0100" "40E20100" "F1FFFFFF"));
    EXPECT_EQ(bytes.mid(FormInfoAt, 8), hexBytes("0D0C0B0A" "10000000"));
    EXPECT_EQ(bytes.mid(CustomColorsAt + 64, 4), hexBytes("AABBCC00"));
    EXPECT_EQ(bytes.mid(DegitCellsAt, 6), hexBytes("0100" "0200" "0300"));
    EXPECT_EQ(bytes.mid(DegitCellsAt + 29 * 6, 6), hexBytes("FFFF" "0500" "0600"));
}

TEST(IniLayout, TextsAreCountedInCodePageBytes)
{
    IniRecords r;
    r.folder.FareDataDir = QStringLiteral("ゴシック");
    r.folder.TpDataDir = QStringLiteral("ab");
    const QByteArray bytes = mdlIniIoEx::encode(r);
    EXPECT_EQ(bytes.size(), 428 + 8 + 2);
    EXPECT_EQ(bytes.left(14), hexBytes("0800" "835383568362834E" "0200" "6162"));
    EXPECT_EQ(mdlIniIoEx::decode(bytes), r);
}

TEST(IniLayout, InitialRecordsCarryTodayAsTheFixedDate)
{
    const IniRecords r = IniRecords::initial(QDate(2024, 3, 5));
    EXPECT_EQ(r.seiriken.FixedDate, QStringLiteral("2024/03/05"));
    const QByteArray bytes = mdlIniIoEx::encode(r);
    EXPECT_EQ(bytes.size(), 438);
    EXPECT_EQ(bytes.mid(SeirikenInfoAt + 10, 12), QByteArray("\x0a\x00" "2024/03/05", 12));
}

TEST(IniLayout, EveryFieldSurvivesARoundTrip)
{
    const IniRecords sample = sampleRecords();
    const QByteArray bytes = mdlIniIoEx::encode(sample);
    IniDecodeInfo info;
    EXPECT_EQ(mdlIniIoEx::decode(bytes, &info), sample);
    EXPECT_TRUE(info.complete);
    EXPECT_EQ(info.bytesUsed, bytes.size());
    EXPECT_EQ(mdlIniIoEx::encode(mdlIniIoEx::decode(bytes)), bytes);
}

TEST(IniLayout, StoredCellCountIsAlwaysThirtyAndIgnoredOnLoad)
{
    const IniRecords sample = sampleRecords();
    QByteArray bytes = mdlIniIoEx::encode(sample);
    const qsizetype countAt = bytes.size() - 180 - 2;
    EXPECT_EQ(bytes.mid(countAt, 2), hexBytes("1E00"));

    for (const char *count : {"0700", "0000", "FFFF", "E803"}) {
        bytes.replace(countAt, 2, hexBytes(count));
        IniDecodeInfo info;
        const IniRecords loaded = mdlIniIoEx::decode(bytes, &info);
        EXPECT_EQ(loaded.degitCells, sample.degitCells) << count;
        EXPECT_EQ(info.bytesUsed, bytes.size()) << count;
        EXPECT_EQ(mdlIniIoEx::encode(loaded).mid(countAt, 2), hexBytes("1E00"));
    }
}

TEST(IniLayout, EntryModeOutsideTheFramesIsKept)
{
    IniRecords r;
    r.ctrlData.EntryMode = 5;
    EXPECT_EQ(mdlIniIoEx::decode(mdlIniIoEx::encode(r)).ctrlData.EntryMode, 5);
}
