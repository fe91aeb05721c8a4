#pragma once

#include "base/OleColor.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace settings {

using base::OleColor;

// The records of the settings file. Field names follow the file's record layout. The options
// model keeps the option records for the whole run; the console and the panel copy their state
// into theirs just before a save and out of them after a load. Check boxes hold 0/1 (2 is
// grey), option buttons -1/0, drop-down lists a 0-based index or -1. Defaults are the state of
// the program when no settings file has been read.

// Options page "運賃データと放送用データ".
struct FolderInfo
{
    QString FareDataDir;
    QString TpDataDir;

    bool operator==(const FolderInfo &) const = default;
};

// Options page "パネルと整理券番号表示". The panel choices are the option buttons in the order
// OFF, ON1, ON2 with "内蔵" before "ユーザーパネル" in each pair.
struct PanelInfo
{
    int16_t UseSeiriNum = 1;
    std::array<OleColor, 3> SeiriNumColor{0x00FFFFFF, 0x00C0FFC0, 0x00C0FFC0};
    int16_t SeiriNumStyle = 0;
    int16_t SeiriNumZero = 0;
    int16_t PanelAuto = -1;
    int16_t PanelManual = 0;
    int16_t PanelOffBuiltin = -1;
    int16_t PanelOffUser = 0;
    int16_t PanelOn1Builtin = -1;
    int16_t PanelOn1User = 0;
    int16_t PanelOn2Builtin = -1;
    int16_t PanelOn2User = 0;
    std::array<QString, 3> PanelFile;

    bool operator==(const PanelInfo &) const = default;
};

// Options page "デジタル部品と情報用数字". Cell indexes are cell number - 1, the column index
// is column number - 1.
struct DegitInfo
{
    OleColor DegitBackColor = 0x00808080;
    OleColor DegitOffColor = 0x00969696;
    OleColor DegitOnColor = 0x0072D2F8;
    int16_t InfoOrderUse = 0;
    int16_t InfoOrderCell = 0;
    int16_t InfoFromZero = 0;
    int16_t InfoSeiriUse = 0;
    int16_t InfoSeiriCell = 0;
    int16_t InfoKeitouUse = 0;
    int16_t InfoKeitouCell = 0;
    int16_t InfoColumnUse = 0;
    int16_t InfoColumnNo = 0;
    int16_t InfoColumnCell = 0;

    bool operator==(const DegitInfo &) const = default;
};

// Options page "停名の設定". The three lists are filled but not selected by the options window,
// so they start with nothing selected.
struct ChimeiInfo
{
    OleColor ChimeiBackColor = 0x00808080;
    OleColor ChimeiForeColor = 0x0000FFFF;
    int16_t ChimeiFontMode = -1;
    int16_t ChimeiBold = 0;
    int16_t ChimeiTsugiwaMode = -1;
    OleColor ChimeiTsugiwaColor = 0x0000FFFF;
    int16_t ChimeiTsugiwaFontMode = -1;
    int16_t ChimeiTsugiwaBold = 0;

    bool operator==(const ChimeiInfo &) const = default;
};

// Options page "サウンド", fields in file order.
struct SoundInfo
{
    QString SndKeitou;
    QString SndReset;
    int16_t SndStepAlways = -1;
    int16_t SndStepByColumn = 0;
    int16_t SndStepSync = 0;
    int16_t SndStepAsync = -1;
    QString SndStepFile;
    int16_t SndStepColumn = 0;
    QString SndStepFile1;
    QString SndStepFile2;
    QString SndStepFile3;
    int16_t SndPreAlways = -1;
    int16_t SndPreByFlag = 0;
    int16_t SndPreSync = -1;
    int16_t SndPreAsync = 0;
    QString SndPreFile;
    QString SndPreFile1;
    QString SndPreFile2;
    QString SndPreFile3;

    bool operator==(const SoundInfo &) const = default;
};

// Options page "整理券プレビュー". FixedDate starts as the day the program starts; that day
// comes from the caller's clock (see IniRecords::initial and the Options constructor).
struct SeirikenInfo
{
    int16_t UseSeiriPrev = 0;
    QString SeiriPlgFile;
    int16_t DateEachPrint = -1;
    int16_t DateKeep = 0;
    int16_t DateFixed = 0;
    QString FixedDate;

    bool operator==(const SeirikenInfo &) const = default;
};

// The console's state and position (twips).
struct CtrlDataInfo
{
    int16_t EntryMode = 0;
    int32_t ScrollSpeed = 1; // the bar starts at its lowest value
    int32_t ScrollWait = 0;
    int16_t LateNight = 0;
    int16_t PreviewOpen = 0;
    int32_t CtlLeft = 0;
    int32_t CtlTop = 0;

    bool operator==(const CtrlDataInfo &) const = default;
};

// The panel window's position (twips).
struct FormInfo
{
    int32_t PanelLeft = 0;
    int32_t PanelTop = 0;

    bool operator==(const FormInfo &) const = default;
};

// The custom colours of the colour-choice dialog; all 0 until the dialog changes them.
inline constexpr int CustomColorCount = 17;
using CustomColors = std::array<OleColor, CustomColorCount>;

// The per-cell settings of the panel's fare cells Degit(1)..Degit(30).
struct DegitCellInfo
{
    int16_t Shift = 0;
    int16_t ZeroMode = 0;
    int16_t FillZero = 0;

    bool operator==(const DegitCellInfo &) const = default;
};

// The file always holds this many cells, whatever count it stores in front of them.
inline constexpr int16_t DegitCellCount = 30;
using DegitCells = std::array<DegitCellInfo, DegitCellCount>; // [0] is cell 1

// Everything the settings file holds, in file order.
struct IniRecords
{
    FolderInfo folder;
    PanelInfo panel;
    DegitInfo degit;
    ChimeiInfo chimei;
    SoundInfo sound;
    SeirikenInfo seiriken;
    CtrlDataInfo ctrlData;
    FormInfo form;
    CustomColors customColors{};
    DegitCells degitCells{};

    bool operator==(const IniRecords &) const = default;

    // The records as a fresh start with no settings file would fill them: the defaults above
    // plus the fixed ticket date set to `today`.
    static IniRecords initial(const QDate &today);

    // The fixed ticket date as the options window shows it, "yyyy/mm/dd".
    static QString formatFixedDate(const QDate &date);
};

} // namespace settings
