// Settings files that were cut short, overwritten with rubbish or written by something else:
// reading them never fails, and whatever is missing keeps the value it had before the read.
#include "SampleRecords.h"

#include "base/Cp932.h"
#include "settings/mdlIniIoEx.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using base::Cp932;
using settings::IniDecodeInfo;
using settings::IniRecords;
using settings::mdlIniIoEx;

namespace {

// Every field of the records as "Record/Field[i]" -> value, through the JSON dump.
void flatten(const QJsonValue &value, const QString &path, QMap<QString, QJsonValue> &out)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            flatten(it.value(), path + QLatin1Char('/') + it.key(), out);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            flatten(array[i], path + QStringLiteral("[%1]").arg(i), out);
    } else {
        out.insert(path, value);
    }
}

QMap<QString, QJsonValue> fieldsOf(const IniRecords &records)
{
    QMap<QString, QJsonValue> out;
    flatten(QJsonDocument::fromJson(mdlIniIoEx::dumpJson(records)).object(), QString(), out);
    out.remove(QStringLiteral("/CellCount"));
    return out;
}

// Decodes every prefix of `file` over `base` and checks that each field is either what was
// written or what the base held, that fields only ever appear as the prefix grows, and that all
// are back at the end.
void checkEveryCut(const QByteArray &file, const IniRecords &written, const IniRecords &base)
{
    const QMap<QString, QJsonValue> expected = fieldsOf(written);
    const QMap<QString, QJsonValue> before = fieldsOf(base);
    int previouslyRestored = 0;
    for (qsizetype length = 0; length <= file.size(); ++length) {
        IniDecodeInfo info;
        const QMap<QString, QJsonValue> got = fieldsOf(mdlIniIoEx::decode(file.left(length), base, &info));
        ASSERT_EQ(got.size(), expected.size());
        int restored = 0;
        for (auto it = got.begin(); it != got.end(); ++it) {
            const QJsonValue want = expected.value(it.key());
            if (it.value() == want)
                ++restored;
            else
                ASSERT_EQ(it.value(), before.value(it.key())) << "cut at " << length << ": " << it.key().toStdString();
        }
        ASSERT_GE(restored, previouslyRestored) << "cut at " << length;
        previouslyRestored = restored;
        EXPECT_EQ(info.complete, length == file.size()) << "cut at " << length;
    }
    EXPECT_EQ(previouslyRestored, expected.size());
}

} // namespace

TEST(IniDamaged, DefaultFileCutAtEveryLengthKeepsTheRestAsItWas)
{
    const IniRecords defaults;
    const QByteArray file = mdlIniIoEx::encode(defaults);
    ASSERT_EQ(file.size(), 428);
    checkEveryCut(file, defaults, sampleRecords());

    // Nothing read: the defaults, not zeros.
    const IniRecords empty = mdlIniIoEx::decode(QByteArray());
    EXPECT_EQ(empty, IniRecords());
    EXPECT_EQ(empty.panel.PanelAuto, -1);
    EXPECT_EQ(empty.chimei.ChimeiFontMode, -1);
    EXPECT_EQ(empty.degit.DegitOnColor, 0x0072D2F8u);
}

TEST(IniDamaged, FileWithTextsCutAtEveryLengthKeepsTheRestAsItWas)
{
    const IniRecords sample = sampleRecords();
    checkEveryCut(mdlIniIoEx::encode(sample), sample, IniRecords());
}

TEST(IniDamaged, TextCountRunningPastTheEndEndsTheData)
{
    QByteArray file = hexBytes("FFFF") + QByteArray("abc");
    IniDecodeInfo info;
    IniRecords got = mdlIniIoEx::decode(file, &info);
    EXPECT_TRUE(got.folder.FareDataDir.isEmpty());
    EXPECT_EQ(got.panel.UseSeiriNum, 1);
    EXPECT_FALSE(info.complete);

    // The same with a damaged count deep in the file: what came before survives.
    const IniRecords sample = sampleRecords();
    file = mdlIniIoEx::encode(sample);
    const qsizetype seiriPlgAt = file.indexOf(Cp932::fromUnicode(sample.seiriken.SeiriPlgFile));
    ASSERT_GT(seiriPlgAt, 2);
    file.replace(seiriPlgAt - 2, 2, hexBytes("F0FF"));
    got = mdlIniIoEx::decode(file, &info);
    EXPECT_EQ(got.sound, sample.sound);
    EXPECT_EQ(got.seiriken.UseSeiriPrev, 1);
    EXPECT_TRUE(got.seiriken.SeiriPlgFile.isEmpty());
    EXPECT_EQ(got.seiriken.DateFixed, 0);
    EXPECT_EQ(got.form.PanelLeft, 0);
    EXPECT_FALSE(info.complete);
}

TEST(IniDamaged, RubbishDecodesWithoutTrouble)
{
    QRandomGenerator random(731);
    for (int round = 0; round < 300; ++round) {
        QByteArray rubbish(random.bounded(0, 1500), Qt::Uninitialized);
        for (char &c : rubbish)
            c = static_cast<char>(random.bounded(256));
        IniDecodeInfo info;
        const IniRecords got = mdlIniIoEx::decode(rubbish, &info);
        EXPECT_LE(info.bytesUsed, rubbish.size());
        // Whatever came out can be written again and reads back the same.
        EXPECT_EQ(mdlIniIoEx::decode(mdlIniIoEx::encode(got)), got);
    }
}

TEST(IniDamaged, BytesOutsideTheCodePageBecomeTheDefaultCharacter)
{
    QByteArray file = mdlIniIoEx::encode(IniRecords());
    file.replace(0, 2, hexBytes("0300" "41" "FF" "42"));
    EXPECT_EQ(mdlIniIoEx::decode(file).folder.FareDataDir, QStringLiteral("A\u30FBB"));
}

TEST(IniDamaged, BytesAfterTheLastCellAreIgnored)
{
    const IniRecords sample = sampleRecords();
    const QByteArray file = mdlIniIoEx::encode(sample);
    IniDecodeInfo info;
    EXPECT_EQ(mdlIniIoEx::decode(file + QByteArray(1000, 'x'), &info), sample);
    EXPECT_TRUE(info.complete);
    EXPECT_EQ(info.bytesUsed, file.size());
}

TEST(IniDamaged, TextTooLongForItsCountIsCutAndReported)
{
    IniRecords r;
    r.panel.PanelFile[1] = QString(0x10000, u'a');
    r.sound.SndPreFile = QString(40000, u'あ'); // 80000 bytes
    QString overlong;
    const QByteArray file = mdlIniIoEx::encode(r, &overlong);
    EXPECT_EQ(overlong, QStringLiteral("PanelFile(1)"));
    const IniRecords got = mdlIniIoEx::decode(file);
    EXPECT_EQ(got.panel.PanelFile[1], QString(0xFFFF, u'a'));
    // Cut on a character boundary, never through a double-byte character.
    EXPECT_EQ(got.sound.SndPreFile, QString(32767, u'あ'));
    EXPECT_EQ(got.form, r.form);
}
