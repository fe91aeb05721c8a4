#pragma once

#include "settings/IniRecords.h"

#include <QByteArray>

// Records in which every field differs from its default, texts in Japanese included.
inline settings::IniRecords sampleRecords()
{
    settings::IniRecords r;
    r.folder.FareDataDir = QStringLiteral("/home/運転士/運賃データ");
    r.folder.TpDataDir = QStringLiteral("/home/運転士/放送");
    r.panel.UseSeiriNum = 0;
    r.panel.SeiriNumColor = {0x00010203, 0x00040506, 0x00070809};
    r.panel.SeiriNumStyle = 11;
    r.panel.SeiriNumZero = 1;
    r.panel.PanelAuto = 0;
    r.panel.PanelManual = -1;
    r.panel.PanelOffBuiltin = 0;
    r.panel.PanelOffUser = -1;
    r.panel.PanelOn1Builtin = 0;
    r.panel.PanelOn1User = -1;
    r.panel.PanelOn2Builtin = 0;
    r.panel.PanelOn2User = -1;
    r.panel.PanelFile = {QStringLiteral("off.bmp"), QStringLiteral("点灯1.jpg"), QStringLiteral("ｽｸﾛｰﾙ.gif")};
    r.degit.DegitBackColor = 0x00112233;
    r.degit.DegitOffColor = 0x00445566;
    r.degit.DegitOnColor = 0x00778899;
    r.degit.InfoOrderUse = 1;
    r.degit.InfoOrderCell = 29;
    r.degit.InfoFromZero = 1;
    r.degit.InfoSeiriUse = 1;
    r.degit.InfoSeiriCell = 28;
    r.degit.InfoKeitouUse = 1;
    r.degit.InfoKeitouCell = 27;
    r.degit.InfoColumnUse = 2;
    r.degit.InfoColumnNo = 149;
    r.degit.InfoColumnCell = 26;
    r.chimei.ChimeiBackColor = 0x00ABCDEF;
    r.chimei.ChimeiForeColor = 0x00FEDCBA;
    r.chimei.ChimeiFontMode = 4;
    r.chimei.ChimeiBold = 1;
    r.chimei.ChimeiTsugiwaMode = 2;
    r.chimei.ChimeiTsugiwaColor = 0x00123456;
    r.chimei.ChimeiTsugiwaFontMode = 3;
    r.chimei.ChimeiTsugiwaBold = 1;
    r.sound.SndKeitou = QStringLiteral("系統.wav");
    r.sound.SndReset = QStringLiteral("reset.wav");
    r.sound.SndStepAlways = 0;
    r.sound.SndStepByColumn = -1;
    r.sound.SndStepSync = -1;
    r.sound.SndStepAsync = 0;
    r.sound.SndStepFile = QStringLiteral("step.wav");
    r.sound.SndStepColumn = 42;
    r.sound.SndStepFile1 = QStringLiteral("1.mid");
    r.sound.SndStepFile2 = QStringLiteral("2.mid");
    r.sound.SndStepFile3 = QStringLiteral("3.mid");
    r.sound.SndPreAlways = 0;
    r.sound.SndPreByFlag = -1;
    r.sound.SndPreSync = 0;
    r.sound.SndPreAsync = -1;
    r.sound.SndPreFile = QStringLiteral("チャイム.wav");
    r.sound.SndPreFile1 = QStringLiteral("a.wav");
    r.sound.SndPreFile2 = QStringLiteral("b.wav");
    r.sound.SndPreFile3 = QStringLiteral("c.wav");
    r.seiriken.UseSeiriPrev = 1;
    r.seiriken.SeiriPlgFile = QStringLiteral("/opt/plugins/整理券.4SP");
    r.seiriken.DateEachPrint = 0;
    r.seiriken.DateKeep = 0;
    r.seiriken.DateFixed = -1;
    r.seiriken.FixedDate = QStringLiteral("2024/02/29");
    r.ctrlData.EntryMode = 1;
    r.ctrlData.ScrollSpeed = -5;
    r.ctrlData.ScrollWait = 1000;
    r.ctrlData.LateNight = 1;
    r.ctrlData.PreviewOpen = 1;
    r.ctrlData.CtlLeft = 9000;
    r.ctrlData.CtlTop = -300;
    r.form.PanelLeft = 2147483647;
    r.form.PanelTop = -2147483647 - 1;
    for (int i = 0; i < settings::CustomColorCount; ++i)
        r.customColors[i] = 0x00010101u * static_cast<uint32_t>(i + 1);
    for (int i = 0; i < settings::DegitCellCount; ++i)
        r.degitCells[i] = {static_cast<int16_t>(i), static_cast<int16_t>(i % 3), static_cast<int16_t>(-i)};
    return r;
}

inline QByteArray hexBytes(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex));
}
