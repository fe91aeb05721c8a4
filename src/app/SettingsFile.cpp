#include "app/SettingsFile.h"

#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "platform/ui/MessagePresenter.h"
#include "settings/IniFileLocation.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIoEx.h"

#include <QCoreApplication>

namespace app::SettingsFile {
namespace {

QString programPath(const Forms &forms)
{
    const QString configured = forms.services().programPath;
    return configured.isEmpty() ? QCoreApplication::applicationFilePath() : configured;
}

settings::IniFileLocation location(const Forms &forms)
{
    const QString fallback = forms.services().settingsFallbackFolder;
    return settings::IniFileLocation::resolve(programPath(forms), fallback.isEmpty()
                                                                      ? settings::IniFileLocation::defaultConfigFolder()
                                                                      : fallback);
}

void report(Forms &forms, const settings::IniStatus &status)
{
    forms.services().messages->show(&forms.console(), settings::mdlIniIoEx::errorMessage(status.code, status.description),
                                    platform::MessagePresenter::applicationTitle(),
                                    platform::MessagePresenter::Buttons::Ok, platform::MessagePresenter::Icon::None);
}

void readCells(Forms &forms, settings::IniRecords &records)
{
    Form1 &panel = forms.panel();
    for (int i = 1; i <= 30; ++i) {
        settings::DegitCellInfo &cell = records.degitCells[i - 1];
        cell.ZeroMode = panel.Degit[i]->ZeroMode();
        cell.Shift = panel.Degit[i]->Shift();
        cell.FillZero = panel.Degit[i]->FillZero();
    }
}

void applyCells(Forms &forms, const settings::IniRecords &records)
{
    Form1 &panel = forms.panel();
    const settings::DegitInfo &colours = records.degit;
    for (int i = 1; i <= 30; ++i) {
        const settings::DegitCellInfo &cell = records.degitCells[i - 1];
        controls::M_Degit *d = panel.Degit[i];
        d->setZeroMode(cell.ZeroMode);
        d->setShift(cell.Shift);
        d->setFillZero(cell.FillZero);
        d->setBackColor(colours.DegitBackColor);
        d->setBaseForeColor(colours.DegitOffColor);
        d->setDegitForeColor(colours.DegitOnColor);
        // A single blank until the next fare display.
        d->setValue(controls::DegitValue(QStringLiteral(" ")));
    }
    for (controls::M_Degit *clock : panel.TimeDegit) {
        clock->setBackColor(colours.DegitBackColor);
        clock->setBaseForeColor(colours.DegitOffColor);
        clock->setDegitForeColor(colours.DegitOnColor);
    }
}

void applyStopNameDisplay(Forms &forms, const settings::ChimeiInfo &c)
{
    controls::ChimeiCtl_DX *display = forms.panel().ChimeiCtl;
    display->setBackColor(c.ChimeiBackColor);
    display->setForeColor(c.ChimeiForeColor);
    display->setTsugiwaMode(c.ChimeiTsugiwaMode);
    display->setTsugiwaColor(c.ChimeiTsugiwaColor);
    display->setTsugiwaBold(c.ChimeiTsugiwaBold != 0);
    display->setTsugiwaFontMode(c.ChimeiTsugiwaFontMode);
}

} // namespace

void SaveIniInfo(Forms &forms)
{
    settings::IniRecords records;
    readCells(forms, records);
    settings::frmOption &options = forms.options();
    options.GetOptionInfo(records);
    forms.console().GetCtrlDataInfo(records.ctrlData);
    forms.panel().GetFormInfo(records.form);
    for (int i = 0; i < settings::CustomColorCount; ++i)
        records.customColors[i] = static_cast<settings::OleColor>(options.CustomColors[i]);

    const settings::IniStatus status = settings::mdlIniIoEx::save(records, location(forms).writePath);
    if (!status.ok())
        report(forms, status);
}

void LoadIniInfo(Forms &forms)
{
    const settings::IniLoadResult loaded = settings::mdlIniIoEx::load(location(forms).readPath);
    if (loaded.status.kind == settings::IniStatus::Kind::Missing)
        return;
    if (!loaded.status.ok()) {
        report(forms, loaded.status);
        return;
    }
    const settings::IniRecords &records = loaded.records;
    settings::frmOption &options = forms.options();
    for (int i = 0; i < settings::CustomColorCount; ++i)
        options.CustomColors[i] = static_cast<int32_t>(records.customColors[i]);

    applyCells(forms, records);
    applyStopNameDisplay(forms, records.chimei);
    if (const settings::IniStatus status = options.SetOptionInfo(records); !status.ok()) {
        report(forms, status);
        return;
    }
    if (const settings::IniStatus status = forms.console().SetCtrlDataInfo(records.ctrlData); !status.ok()) {
        report(forms, status);
        return;
    }
    forms.panel().SetFormInfo(records.form);
    options.SetProp();
}

} // namespace app::SettingsFile
