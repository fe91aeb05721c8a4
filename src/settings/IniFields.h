#pragma once

#include "settings/IniRecords.h"

namespace settings {

// Names a field as the record tables do; `index` is the array subscript of SeiriNumColor(i),
// PanelFile(i), CustomColors(i) and DegitCells(i), -1 for a plain field.
struct IniField
{
    const char *name;
    int index = -1;

    // "FareDataDir", "PanelFile(1)": how messages and the companion file name the field.
    QString label() const
    {
        const QString plain = QString::fromLatin1(name);
        return index < 0 ? plain : QStringLiteral("%1(%2)").arg(plain).arg(index);
    }
};

// The one list of the settings file's fields, in file order. The writer, the reader and the
// dump all walk it, so they cannot disagree about the layout. `Io` provides
//   begin(IniField) / end()                 around each record (a no-op for the byte stream),
//   int16, int32, colour32, text(IniField, value)
// where value is a reference for the reader and a copy for the others. check16, bool16 and
// index16 are all int16 on disk. `cellCount` is the count stored in front of the cells.
template<class Io, class Records, class Count>
void visitIniFields(Io &io, Records &r, Count &cellCount)
{
    io.begin({"FolderInfo"});
    io.text({"FareDataDir"}, r.folder.FareDataDir);
    io.text({"TpDataDir"}, r.folder.TpDataDir);
    io.end();

    io.begin({"PanelInfo"});
    io.int16({"UseSeiriNum"}, r.panel.UseSeiriNum);
    for (int i = 0; i < 3; ++i)
        io.colour32({"SeiriNumColor", i}, r.panel.SeiriNumColor[i]);
    io.int16({"SeiriNumStyle"}, r.panel.SeiriNumStyle);
    io.int16({"SeiriNumZero"}, r.panel.SeiriNumZero);
    io.int16({"PanelAuto"}, r.panel.PanelAuto);
    io.int16({"PanelManual"}, r.panel.PanelManual);
    io.int16({"PanelOffBuiltin"}, r.panel.PanelOffBuiltin);
    io.int16({"PanelOffUser"}, r.panel.PanelOffUser);
    io.int16({"PanelOn1Builtin"}, r.panel.PanelOn1Builtin);
    io.int16({"PanelOn1User"}, r.panel.PanelOn1User);
    io.int16({"PanelOn2Builtin"}, r.panel.PanelOn2Builtin);
    io.int16({"PanelOn2User"}, r.panel.PanelOn2User);
    for (int i = 0; i < 3; ++i)
        io.text({"PanelFile", i}, r.panel.PanelFile[i]);
    io.end();

    io.begin({"DegitInfo"});
    io.colour32({"DegitBackColor"}, r.degit.DegitBackColor);
    io.colour32({"DegitOffColor"}, r.degit.DegitOffColor);
    io.colour32({"DegitOnColor"}, r.degit.DegitOnColor);
    io.int16({"InfoOrderUse"}, r.degit.InfoOrderUse);
    io.int16({"InfoOrderCell"}, r.degit.InfoOrderCell);
    io.int16({"InfoFromZero"}, r.degit.InfoFromZero);
    io.int16({"InfoSeiriUse"}, r.degit.InfoSeiriUse);
    io.int16({"InfoSeiriCell"}, r.degit.InfoSeiriCell);
    io.int16({"InfoKeitouUse"}, r.degit.InfoKeitouUse);
    io.int16({"InfoKeitouCell"}, r.degit.InfoKeitouCell);
    io.int16({"InfoColumnUse"}, r.degit.InfoColumnUse);
    io.int16({"InfoColumnNo"}, r.degit.InfoColumnNo);
    io.int16({"InfoColumnCell"}, r.degit.InfoColumnCell);
    io.end();

    io.begin({"ChimeiInfo"});
    io.colour32({"ChimeiBackColor"}, r.chimei.ChimeiBackColor);
    io.colour32({"ChimeiForeColor"}, r.chimei.ChimeiForeColor);
    io.int16({"ChimeiFontMode"}, r.chimei.ChimeiFontMode);
    io.int16({"ChimeiBold"}, r.chimei.ChimeiBold);
    io.int16({"ChimeiTsugiwaMode"}, r.chimei.ChimeiTsugiwaMode);
    io.colour32({"ChimeiTsugiwaColor"}, r.chimei.ChimeiTsugiwaColor);
    io.int16({"ChimeiTsugiwaFontMode"}, r.chimei.ChimeiTsugiwaFontMode);
    io.int16({"ChimeiTsugiwaBold"}, r.chimei.ChimeiTsugiwaBold);
    io.end();

    io.begin({"SoundInfo"});
    io.text({"SndKeitou"}, r.sound.SndKeitou);
    io.text({"SndReset"}, r.sound.SndReset);
    io.int16({"SndStepAlways"}, r.sound.SndStepAlways);
    io.int16({"SndStepByColumn"}, r.sound.SndStepByColumn);
    io.int16({"SndStepSync"}, r.sound.SndStepSync);
    io.int16({"SndStepAsync"}, r.sound.SndStepAsync);
    io.text({"SndStepFile"}, r.sound.SndStepFile);
    io.int16({"SndStepColumn"}, r.sound.SndStepColumn);
    io.text({"SndStepFile1"}, r.sound.SndStepFile1);
    io.text({"SndStepFile2"}, r.sound.SndStepFile2);
    io.text({"SndStepFile3"}, r.sound.SndStepFile3);
    io.int16({"SndPreAlways"}, r.sound.SndPreAlways);
    io.int16({"SndPreByFlag"}, r.sound.SndPreByFlag);
    io.int16({"SndPreSync"}, r.sound.SndPreSync);
    io.int16({"SndPreAsync"}, r.sound.SndPreAsync);
    io.text({"SndPreFile"}, r.sound.SndPreFile);
    io.text({"SndPreFile1"}, r.sound.SndPreFile1);
    io.text({"SndPreFile2"}, r.sound.SndPreFile2);
    io.text({"SndPreFile3"}, r.sound.SndPreFile3);
    io.end();

    io.begin({"SeirikenInfo"});
    io.int16({"UseSeiriPrev"}, r.seiriken.UseSeiriPrev);
    io.text({"SeiriPlgFile"}, r.seiriken.SeiriPlgFile);
    io.int16({"DateEachPrint"}, r.seiriken.DateEachPrint);
    io.int16({"DateKeep"}, r.seiriken.DateKeep);
    io.int16({"DateFixed"}, r.seiriken.DateFixed);
    io.text({"FixedDate"}, r.seiriken.FixedDate);
    io.end();

    io.begin({"CtrlDataInfo"});
    io.int16({"EntryMode"}, r.ctrlData.EntryMode);
    io.int32({"ScrollSpeed"}, r.ctrlData.ScrollSpeed);
    io.int32({"ScrollWait"}, r.ctrlData.ScrollWait);
    io.int16({"LateNight"}, r.ctrlData.LateNight);
    io.int16({"PreviewOpen"}, r.ctrlData.PreviewOpen);
    io.int32({"CtlLeft"}, r.ctrlData.CtlLeft);
    io.int32({"CtlTop"}, r.ctrlData.CtlTop);
    io.end();

    io.begin({"FormInfo"});
    io.int32({"PanelLeft"}, r.form.PanelLeft);
    io.int32({"PanelTop"}, r.form.PanelTop);
    io.end();

    for (int i = 0; i < CustomColorCount; ++i)
        io.colour32({"CustomColors", i}, r.customColors[i]);

    io.int16({"CellCount"}, cellCount);

    for (int i = 0; i < DegitCellCount; ++i) {
        io.begin({"DegitCells", i});
        io.int16({"Shift"}, r.degitCells[i].Shift);
        io.int16({"ZeroMode"}, r.degitCells[i].ZeroMode);
        io.int16({"FillZero"}, r.degitCells[i].FillZero);
        io.end();
    }
}

} // namespace settings
