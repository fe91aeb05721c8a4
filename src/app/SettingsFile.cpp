#include "app/SettingsFile.h"

#include "app/Form1.h"
#include "app/Forms.h"
#include "app/frmCtl.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "ui/MessagePresenter.h"
#include "reslib/KBP4Res.h"
#include "settings/IniFileLocation.h"
#include "settings/SetProp.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIoEx.h"

#include <QCoreApplication>
#include <QDir>

namespace app::SettingsFile {
namespace {

QString programPath(const Forms &forms)
{
    const QString configured = forms.services().programPath;
    return configured.isEmpty() ? QCoreApplication::applicationFilePath() : configured;
}

// The user's configuration folder: the settings file when the program's folder cannot take
// it, the companion of exact texts, the plug-in crash markers.
QString configFolder(const Forms &forms)
{
    const QString fallback = forms.services().settingsFallbackFolder;
    return fallback.isEmpty() ? settings::IniFileLocation::defaultConfigFolder() : fallback;
}

settings::IniFileLocation location(const Forms &forms)
{
    return settings::IniFileLocation::resolve(programPath(forms), configFolder(forms));
}

void report(Forms &forms, const settings::IniStatus &status)
{
    forms.services().messages->show(&forms.console(), status.message(),
                                    ui::MessagePresenter::applicationTitle(),
                                    ui::MessagePresenter::Buttons::Ok, ui::MessagePresenter::Icon::None);
}

// A run that died inside a ticket plug-in left a marker: this start goes without that plug-in
// and says so, once.
void startWithoutCrashedPlugin(Forms &forms)
{
    reslib::SetPluginCrashFolder(configFolder(forms));
    const QString crashed = reslib::TakeCrashedPlugin();
    if (crashed.isEmpty())
        return;
    forms.services().messages->show(
        &forms.console(),
        QStringLiteral("前回、整理券プラグイン「%1」の処理中にプログラムが異常終了しました。\r\n"
                       "このプラグインを使わずに起動します。使うときは、オプションの「整理券プレビュー」で"
                       "プラグインを選び直してください。")
            .arg(QDir::toNativeSeparators(crashed)),
        ui::MessagePresenter::applicationTitle(), ui::MessagePresenter::Buttons::Ok,
        ui::MessagePresenter::Icon::Warning);
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

// What the windows hold, as the settings file's records.
settings::IniRecords gather(Forms &forms)
{
    settings::IniRecords records;
    readCells(forms, records);
    forms.options().GetOptionInfo(records);
    forms.console().GetCtrlDataInfo(records.ctrlData);
    forms.panel().GetFormInfo(records.form);
    return records;
}

} // namespace

void SaveIniInfo(Forms &forms)
{
    const settings::IniStatus status = forms.settingsSession().save(location(forms), configFolder(forms), gather(forms));
    if (!status.ok())
        report(forms, status);
}

void LoadIniInfo(Forms &forms)
{
    startWithoutCrashedPlugin(forms);
    settings::IniSession &session = forms.settingsSession();
    // What start-up has set is what the fields a short file lacks keep.
    const settings::IniLoadResult loaded = session.load(location(forms), configFolder(forms), gather(forms));
    if (loaded.status.kind == settings::IniStatus::Kind::Missing)
        return;
    if (!loaded.status.ok()) {
        report(forms, loaded.status);
        return;
    }
    const settings::IniRecords &records = loaded.records;
    applyCells(forms, records);
    applyStopNameDisplay(forms, records.chimei);
    // A refused value keeps what start-up gave it, and everything after it is still applied:
    // one bad field no longer costs the settings that follow it.
    const settings::IniStatus optionsRefused = forms.optionsWindow().SetOptionInfo(records);
    const settings::IniStatus consoleRefused = forms.console().SetCtrlDataInfo(records.ctrlData);
    forms.panel().SetFormInfo(records.form);
    settings::SetProp(forms.options(), forms);
    const settings::IniStatus &refused = optionsRefused.ok() ? consoleRefused : optionsRefused;
    if (!refused.ok()) {
        session.noteRefused();
        report(forms, refused);
    }
}

} // namespace app::SettingsFile
