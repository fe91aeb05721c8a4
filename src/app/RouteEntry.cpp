#include "app/RouteEntry.h"

#include "app/Form1.h"
#include "app/Forms.h"
#include "app/ModuleCalls.h"
#include "app/frmCtl.h"
#include "controls/ChimeiCtl_DX.h"
#include "controls/M_Degit.h"
#include "fare/RoutePath.h"
#include "fare/RouteSetting.h"
#include "base/Clock.h"
#include "ui/MessagePresenter.h"
#include "settings/Options.h"
#include "ticket/mdlSeiriken.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QCheckBox>

namespace app::RouteEntry {
namespace {

constexpr int RouteDigits = 5;
constexpr int SectionDigits = 3;
constexpr int LampTestMs = 3000;

// The sounds of route entry: the route-setting sound for route setting and the section lists,
// the reset sound for the keypad and the route lists; never waited for.
void playEntrySound(Forms &forms, settings::SoundSlot slot)
{
    playSoundFile(forms, forms.options().soundFile(slot), QStringLiteral("S1"), false, 0);
}

QString selectedDigits(const QListWidget *const *lists, int count)
{
    QString out;
    for (int j = 0; j < count; ++j) {
        if (const QListWidgetItem *item = lists[j]->currentItem(); item && item->isSelected())
            out += item->text();
    }
    return out;
}

void showMessage(Forms &forms, const QString &text)
{
    forms.services().messages->show(&forms.console(), text, ui::MessagePresenter::applicationTitle(),
                                    ui::MessagePresenter::Buttons::Ok, ui::MessagePresenter::Icon::None);
}

// "系統選別中" on the stop-name display, without "次は".
void showSelectingMessage(Forms &forms)
{
    frmCtl &console = forms.console();
    controls::ChimeiCtl_DX *display = forms.panel().ChimeiCtl;
    console.SavedTsugiwaMode = display->TsugiwaMode();
    display->setTsugiwaMode(0);
    display->SetChimei(QStringLiteral("系統選別中"));
    display->setTsugiwaMode(console.SavedTsugiwaMode);
}

// Every segment of every fare cell lit for three seconds; nothing else runs meanwhile.
void lampTest(Forms &forms)
{
    Form1 &panel = forms.panel();
    for (int i = 1; i <= 30; ++i)
        panel.Degit[i]->ResetDegit(-1);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    forms.services().sleeper->sleepMs(LampTestMs);
    for (int i = 1; i <= 30; ++i)
        panel.Degit[i]->setValue(0);
}

} // namespace

void keypadKey(Forms &forms, int k)
{
    frmCtl &console = forms.console();
    playEntrySound(forms, settings::SoundSlot::Reset);
    if (k >= 0 && k <= 9) {
        QLabel *display = console.KeypadRoute ? console.Label2[0] : console.Label2[2];
        const int limit = console.KeypadRoute ? RouteDigits : SectionDigits;
        if (display->text().size() < limit)
            display->setText(display->text() + QString::number(k));
    } else if (k == 10) {
        console.KeypadRoute = true;
        console.Label2[0]->clear();
    } else if (k == 11) {
        console.KeypadRoute = false;
        console.Label2[2]->clear();
    }
}

void routeDigitChosen(Forms &forms)
{
    playEntrySound(forms, settings::SoundSlot::Reset);
}

void sectionDigitChosen(Forms &forms)
{
    playEntrySound(forms, settings::SoundSlot::RouteSetting);
}

void setRoute(Forms &forms, int frame)
{
    frmCtl &console = forms.console();
    const settings::Options &options = forms.options();
    const QString fareFolder = options.fareDataFolder();
    const QString broadcastFolder = fare::FolderWithSeparator(options.broadcastDataFolder());
    playEntrySound(forms, settings::SoundSlot::RouteSetting);

    fare::RouteRequest request;
    request.fareFolder = fareFolder;
    if (frame == 1) {
        request.routeNo = console.Label2[0]->text();
        request.section = fare::SectionFromText(console.Label2[2]->text());
    } else {
        request.routeNo = selectedDigits(console.List2.data(), 5);
        request.section = fare::SectionFromText(selectedDigits(console.List3.data(), 3));
    }

    fare::RouteDecision decision = forms.route().SetRoute(request);
    if (!decision.accepted()) {
        showMessage(forms, decision.message);
        return;
    }
    // The tape takes the new route's broadcast data only once its fare data is accepted, so
    // that a refused route leaves the tape with the route still loaded.
    loadBroadcastData(forms, broadcastFolder, fare::RouteKey(request.routeNo));

    showSelectingMessage(forms);
    lampTest(forms);
    console.Command2[0]->setEnabled(true);
    console.Command2[1]->setEnabled(true);
    console.Check1->setEnabled(true);
    console.TicketDate = ticket::TicketDateAtRouteSetting(console.SeirikenPreviewOptions(), forms.services().clock->now());
    forms.panel().ChimeiCtl->setTsugiwaMode(console.SavedTsugiwaMode);
    console.DispData(static_cast<int16_t>(forms.route().CurIndex() + 1));
}

} // namespace app::RouteEntry
