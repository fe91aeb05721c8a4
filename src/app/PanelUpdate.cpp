#include "app/PanelUpdate.h"

#include "app/Form1.h"
#include "app/EntryFrame.h"
#include "app/Forms.h"
#include "app/ModuleCalls.h"
#include "app/frmCtl.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "fare/FareDisplay.h"
#include "settings/Options.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace app::PanelUpdate {
namespace {

// No selection addresses cell 0, which is not one of the thirty and shows nothing.
controls::M_Degit *infoCell(Form1 &panel, int cell)
{
    return (cell >= 0 && cell <= 30) ? panel.Degit[cell] : panel.Degit[0];
}

void showFares(Forms &forms, int16_t n)
{
    Form1 &panel = forms.panel();
    const fare::RouteState &route = forms.route();
    const bool lateNight = forms.console().Check2->isChecked();
    const auto values = fare::FareCellValues(route.Table(), n, route.StartSection(), lateNight);
    for (int i = 1; i <= 30; ++i) {
        if (values[i - 1])
            panel.Degit[i]->setValue(int(*values[i - 1]));
    }
}

// Information digits win over fares, and a later one over an earlier one in the same cell.
void showInformationDigits(Forms &forms, int16_t n)
{
    Form1 &panel = forms.panel();
    const settings::Options &options = forms.options();
    const fare::RouteState &route = forms.route();
    const fare::FareRow &row = route.Table().Row(n);

    if (const auto d = options.stopOrderDigit(); d.use)
        infoCell(panel, d.cell)->setValue(options.stopOrderFromZero() ? n - 1 : int(n));
    if (const auto d = options.ticketNoDigit(); d.use)
        infoCell(panel, d.cell)->setValue(int(row.TicketNo));
    if (const auto d = options.routeNoDigit(); d.use)
        infoCell(panel, d.cell)->setValue(controls::DegitValue(route.RouteNo()));
    if (const auto d = options.columnDigit(); d.use) {
        if (const std::optional<int> column = options.columnDigitColumn())
            infoCell(panel, d.cell)->setValue(int(row.Fare(*column)));
    }
}

void showStopName(Forms &forms, int16_t n)
{
    controls::ChimeiCtl_DX *display = forms.panel().ChimeiCtl;
    const int16_t m = static_cast<int16_t>(forms.options().tsugiwaOption());
    const QString name = forms.route().Table().Row(n).StopName;
    if (n == 1) {
        // The first stop of the data is shown without "次は".
        forms.console().SavedTsugiwaMode = m;
        display->setTsugiwaMode(0);
        display->SetChimei(name);
        display->setTsugiwaMode(m);
    } else {
        display->setTsugiwaMode(m);
        display->SetChimei(name);
    }
}

// The forward/back sound: always the same file, or chosen by the value 1 to 3 in a data
// column of the new stop.
QString stepSound(Forms &forms)
{
    const settings::Options &options = forms.options();
    if (options.stepSoundAlways())
        return options.soundFile(settings::SoundSlot::Step);
    const std::optional<int> column = options.stepSoundColumn();
    if (!column)
        return {};
    // The column's values 1 to 3 choose the boxes of slots 8 to 10.
    const auto slot = fare::StepSoundSlot(forms.route().Current().Fare(*column));
    return slot ? options.soundFile(static_cast<settings::SoundSlot>(*slot)) : QString();
}

} // namespace

void showRow(Forms &forms, int16_t n)
{
    showFares(forms, n);
    showInformationDigits(forms, n);
    forms.console().RefreshTicketPreview(n);
    QCoreApplication::processEvents();
    showStopName(forms, n);
}

void step(Forms &forms, int direction)
{
    fare::RouteState &route = forms.route();
    const bool moved = direction == 0 ? route.StepBack() : route.StepForward();
    if (!moved)
        return;
    const QString sound = stepSound(forms);
    if (!sound.isEmpty())
        playSoundFile(forms, sound, QStringLiteral("S2"), forms.options().stepSoundWaits(), 0);
    forms.console().DispData(static_cast<int16_t>(route.CurIndex() + 1));
}

void displayClearChanged(Forms &forms)
{
    frmCtl &console = forms.console();
    Form1 &panel = forms.panel();
    const bool cleared = console.Check1->isChecked();
    if (cleared) {
        panel.ChimeiCtl->SetChimei(QString());
        for (int i = 1; i <= 30; ++i)
            panel.Degit[i]->ResetDegit(0);
        panel.Timer1->stop();
        panel.TimeDegit[0]->setValue(QString());
        panel.TimeDegit[1]->setValue(QString());
    }
    const QList<QWidget *> routeControls = {console.Frame1[0], console.Frame1[1], console.Command2[0],
                                            console.Command2[1], console.Frame6};
    for (QWidget *w : routeControls)
        w->setEnabled(!cleared);
    if (cleared) {
        console.grpM_Tape->setEnabled(false);
        return;
    }
    if (panel.TimeDegit[0]->isVisible())
        panel.Timer1->start();
    console.grpM_Tape->setEnabled(speechUsable(forms));
    console.DispData(static_cast<int16_t>(forms.route().CurIndex() + 1));
}

void scrollSettingChanged(Forms &forms, int bar)
{
    frmCtl &console = forms.console();
    console.Label1[bar]->setText(QString::number(console.HScroll1[bar]->value()));
    controls::ChimeiCtl_DX *display = forms.panel().ChimeiCtl;
    display->setSpeed(static_cast<int16_t>(console.HScroll1[0]->value()));
    display->setScrollStartWait(console.HScroll1[1]->value());
}

} // namespace app::PanelUpdate
