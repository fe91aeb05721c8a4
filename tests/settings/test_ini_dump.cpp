// The JSON view of a settings file used by the companion tool.
#include "SampleRecords.h"

#include "settings/mdlIniIoEx.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using settings::IniRecords;
using settings::mdlIniIoEx;

TEST(IniDump, EveryFieldIsKeyedByRecordAndFieldName)
{
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(mdlIniIoEx::dumpJson(sampleRecords()), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);

    EXPECT_EQ(root.keys(), (QStringList{"CellCount", "ChimeiInfo", "CtrlDataInfo", "CustomColors", "DegitCells",
                                         "DegitInfo", "FolderInfo", "FormInfo", "PanelInfo", "SeirikenInfo",
                                         "SoundInfo"}));
    EXPECT_EQ(root["FolderInfo"]["FareDataDir"].toString(), QStringLiteral("/home/運転士/運賃データ"));
    EXPECT_EQ(root["PanelInfo"].toObject().size(), 13);
    EXPECT_EQ(root["PanelInfo"]["SeiriNumColor"].toArray(),
              (QJsonArray{"0x00010203", "0x00040506", "0x00070809"}));
    EXPECT_EQ(root["PanelInfo"]["PanelFile"][1].toString(), QStringLiteral("点灯1.jpg"));
    EXPECT_EQ(root["PanelInfo"]["PanelOn2User"].toInt(), -1);
    EXPECT_EQ(root["DegitInfo"].toObject().size(), 13);
    EXPECT_EQ(root["DegitInfo"]["InfoColumnNo"].toInt(), 149);
    EXPECT_EQ(root["ChimeiInfo"].toObject().size(), 8);
    EXPECT_EQ(root["ChimeiInfo"]["ChimeiBackColor"].toString(), QStringLiteral("0x00ABCDEF"));
    EXPECT_EQ(root["SoundInfo"].toObject().size(), 19);
    EXPECT_EQ(root["SoundInfo"]["SndPreFile"].toString(), QStringLiteral("チャイム.wav"));
    EXPECT_EQ(root["SeirikenInfo"].toObject().size(), 6);
    EXPECT_EQ(root["SeirikenInfo"]["FixedDate"].toString(), QStringLiteral("2024/02/29"));
    EXPECT_EQ(root["CtrlDataInfo"].toObject().size(), 7);
    EXPECT_EQ(root["CtrlDataInfo"]["ScrollSpeed"].toInt(), -5);
    EXPECT_EQ(root["FormInfo"]["PanelTop"].toInteger(), -2147483648LL);
    EXPECT_EQ(root["CustomColors"].toArray().size(), 17);
    EXPECT_EQ(root["CustomColors"][16].toString(), QStringLiteral("0x00111111"));
    EXPECT_EQ(root["CellCount"].toInt(), 30);
    ASSERT_EQ(root["DegitCells"].toArray().size(), 30);
    EXPECT_EQ(root["DegitCells"][29].toObject(), (QJsonObject{{"Shift", 29}, {"ZeroMode", 2}, {"FillZero", -29}}));
}

TEST(IniDump, StoredCellCountCanBeShown)
{
    const QJsonObject root = QJsonDocument::fromJson(mdlIniIoEx::dumpJson(IniRecords(), 7)).object();
    EXPECT_EQ(root["CellCount"].toInt(), 7);
    EXPECT_EQ(root["ChimeiInfo"]["ChimeiFontMode"].toInt(), -1);
}
