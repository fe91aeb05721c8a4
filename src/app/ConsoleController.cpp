#include "app/ConsoleController.h"

#include "app/ConsoleTapeHost.h"
#include "app/ConsoleView.h"
#include "app/PanelView.h"
#include "app/UserPicture.h"
#include "base/Clock.h"
#include "fare/FareDisplay.h"
#include "fare/RoutePath.h"
#include "settings/ValueRules.h"
#include "sound/mdlM_Tape.h"
#include "ticket/TicketTexts.h"

namespace app {

using settings::Backlight;
using settings::SoundSlot;

namespace {

constexpr int LampTestMs = 3000;
constexpr int FareCells = 30;

// A state a caller other than the console's own buttons may hand in.
bool isBacklight(Backlight state)
{
    return state == Backlight::Off || state == Backlight::On1 || state == Backlight::On2;
}

ConsoleControl frameControl(EntryFrameKind frame)
{
    return frame == KeypadFrame ? ConsoleControl::KeypadFrame : ConsoleControl::DigitListFrame;
}

} // namespace

ConsoleController::ConsoleController(const AppServices &services, settings::Options &options, Views views)
    : m_services(services), m_options(options), m_views(std::move(views)),
      m_tapeHost(std::make_unique<ConsoleTapeHost>(*this)),
      m_tape(std::make_unique<sound::mdlM_Tape>(*m_tapeHost, m_services.createSpeech))
{
    // As at design: route entry, late-night fare and the scroll bars usable; stepping, display
    // clear and the tape not until a route is set (and speech found).
    for (ConsoleControl c : {ConsoleControl::DigitListFrame, ConsoleControl::KeypadFrame, ConsoleControl::NightAndScroll})
        m_enabled[int(c)] = true;
    m_scroll = {settings::ValueRules::ScrollSpeedLowest, settings::ValueRules::ScrollWaitLowest};
}

ConsoleController::~ConsoleController() = default;

// --- route entry and route setting ---

ActionResult ConsoleController::pressKey(KeypadKey key)
{
    if (!isEnabled(ConsoleControl::KeypadFrame) || key < Key0 || key > KeySection)
        return ActionResult::nothing();
    playEntrySound(SoundSlot::Reset);
    m_entry.press(key);
    console().showKeypadEntry(m_entry.routeDigits(), m_entry.sectionDigits());
    return ActionResult::ok();
}

ActionResult ConsoleController::chooseDigit(DigitList list, int position, std::optional<int> digit)
{
    if (!isEnabled(ConsoleControl::DigitListFrame) || m_entry.choice(list, position) == digit)
        return ActionResult::nothing();
    if (!m_entry.choose(list, position, digit))
        return ActionResult::nothing();
    // The route lists play the reset sound, the section lists the route-setting sound.
    playEntrySound(list == DigitList::Route ? SoundSlot::Reset : SoundSlot::RouteSetting);
    console().showDigitChoice(list, position, digit);
    return ActionResult::ok();
}

ActionResult ConsoleController::setRoute(EntryFrameKind frame)
{
    if (!isEnabled(frameControl(frame)))
        return ActionResult::nothing();
    const QString fareFolder = m_options.fareDataFolder();
    const QString broadcastFolder = fare::FolderWithSeparator(m_options.broadcastDataFolder());
    playEntrySound(SoundSlot::RouteSetting);

    const fare::RouteRequest request = m_entry.request(frame, fareFolder);
    fare::RouteDecision decision = fare::DecideRoute(request);
    if (!decision.accepted()) {
        console().showMessage(decision.message, QString(), MessageIcon::None);
        return ActionResult::refused(decision.message);
    }
    m_route.Apply(decision);
    // The tape takes the new route's broadcast data only once its fare data is accepted, so
    // that a refused route leaves the tape with the route still loaded.
    m_tape->LoadBroadcastData(broadcastFolder, fare::RouteKey(request.routeNo));

    showSelectingMessage();
    lampTest();
    enable(ConsoleControl::DataBack, true);
    enable(ConsoleControl::DataForward, true);
    enable(ConsoleControl::DisplayClear, true);
    m_TicketDate = ticket::TicketDateAtRouteSetting(ticket::PreviewOptionsOf(m_options), m_services.clock->now());
    panel().setTsugiwaMode(m_SavedTsugiwaMode);
    DispData(static_cast<int16_t>(m_route.CurrentRow()));
    return ActionResult::ok();
}

// "系統選別中" on the stop-name display, without "次は". From here until the new route's first
// stop the panel shows no stop, also when the route set again starts where the panel stood.
void ConsoleController::showSelectingMessage()
{
    noteShownRow(0);
    m_SavedTsugiwaMode = panel().tsugiwaMode();
    panel().setTsugiwaMode(0);
    panel().SetChimei(QStringLiteral("系統選別中"));
    panel().setTsugiwaMode(m_SavedTsugiwaMode);
}

// Every segment of every fare cell lit for three seconds; nothing else runs meanwhile.
void ConsoleController::lampTest()
{
    panel().lightAllCells();
    letEventsRun(true);
    m_services.sleeper->sleepMs(LampTestMs);
    for (int i = 1; i <= FareCells; ++i)
        panel().setCellValue(i, 0);
}

// --- the display update and stepping ---

void ConsoleController::DispData(int16_t n)
{
    showFares(n);
    showInformationDigits(n);
    refreshTicketPreview(n);
    letEventsRun(false);
    // Said before the name is set: a long name keeps SetChimei busy while it scrolls.
    noteShownRow(n);
    showStopName(n);
}

void ConsoleController::letEventsRun(bool paintsOnly)
{
    ++m_lettingEventsRun;
    paintsOnly ? panel().letPaintsThrough() : panel().letPendingEventsRun();
    --m_lettingEventsRun;
}

void ConsoleController::showFares(int16_t n)
{
    m_shownFares = fare::FareCellValues(m_route.Table(), n, m_route.StartSection(), lateNight());
    for (int i = 1; i <= FareCells; ++i) {
        if (m_shownFares[i - 1])
            panel().setCellValue(i, *m_shownFares[i - 1]);
    }
}

// Information digits win over fares, and a later one over an earlier one in the same cell. A
// list without a selection addresses cell 0, which shows nothing.
void ConsoleController::showInformationDigits(int16_t n)
{
    const fare::FareRow &row = m_route.Table().Row(n);
    auto cell = [](const settings::Options::InfoDigit &d) { return d.cell >= 0 && d.cell <= FareCells ? d.cell : 0; };
    if (const auto d = m_options.stopOrderDigit(); d.use)
        panel().setCellValue(cell(d), m_options.stopOrderFromZero() ? n - 1 : int(n));
    if (const auto d = m_options.ticketNoDigit(); d.use)
        panel().setCellValue(cell(d), row.TicketNo);
    if (const auto d = m_options.routeNoDigit(); d.use)
        panel().setCellText(cell(d), m_route.RouteNo());
    if (const auto d = m_options.columnDigit(); d.use) {
        if (const std::optional<int> column = m_options.columnDigitColumn())
            panel().setCellValue(cell(d), row.Fare(*column));
    }
}

void ConsoleController::refreshTicketPreview(int16_t n)
{
    const fare::FareRow &row = m_route.Table().Row(n);
    ticket::PreviewStop stop;
    stop.stopName = row.StopName;
    stop.ticketNo = row.TicketNo;
    stop.row = n;
    stop.routeNo = m_route.RouteNo();
    stop.ticketDate = m_TicketDate;
    console().RefreshSeirikenPrev(ticket::PreviewOptionsOf(m_options), stop);
}

void ConsoleController::showStopName(int16_t n)
{
    const int16_t m = static_cast<int16_t>(m_options.tsugiwaOption());
    const QString name = m_route.Table().Row(n).StopName;
    if (n == 1) {
        // The first stop of the data is shown without "次は".
        m_SavedTsugiwaMode = m;
        panel().setTsugiwaMode(0);
        panel().SetChimei(name);
        panel().setTsugiwaMode(m);
    } else {
        panel().setTsugiwaMode(m);
        panel().SetChimei(name);
    }
}

void ConsoleController::noteShownRow(int row)
{
    if (row == 0)
        m_shownFares = {};
    if (row == m_shownRow)
        return;
    m_shownRow = row;
    emit shownStopChanged(row);
}

QString ConsoleController::shownStopName() const
{
    return m_shownRow > 0 ? m_route.Table().Row(m_shownRow).StopName : QString();
}

ActionResult ConsoleController::step(StepDirection direction)
{
    const ConsoleControl button = direction == DataBack ? ConsoleControl::DataBack : ConsoleControl::DataForward;
    if (!isEnabled(button))
        return ActionResult::nothing();
    return dataStep(direction) ? ActionResult::ok() : ActionResult::nothing();
}

// The step itself, as the data buttons and the tape take it: at the first or last row nothing
// at all happens.
bool ConsoleController::dataStep(StepDirection direction)
{
    const bool moved = direction == DataBack ? m_route.StepBack() : m_route.StepForward();
    if (!moved)
        return false;
    const QString sound = stepSound();
    if (!sound.isEmpty())
        playSound(sound, QStringLiteral("S2"), m_options.stepSoundWaits());
    DispData(static_cast<int16_t>(m_route.CurrentRow()));
    return true;
}

// The forward/back sound: always the same file, or chosen by the value 1 to 3 in a data
// column of the new stop.
QString ConsoleController::stepSound() const
{
    if (m_options.stepSoundAlways())
        return m_options.soundFile(SoundSlot::Step);
    const std::optional<int> column = m_options.stepSoundColumn();
    if (!column)
        return {};
    const auto slot = fare::StepSoundSlot(m_route.Current().Fare(*column));
    return slot ? m_options.soundFile(static_cast<SoundSlot>(*slot)) : QString();
}

// --- the switches ---

ActionResult ConsoleController::setDisplayClear(bool on)
{
    if (!isEnabled(ConsoleControl::DisplayClear) || on == m_displayCleared)
        return ActionResult::nothing();
    m_displayCleared = on;
    console().showDisplayClear(on);
    if (on) {
        panel().SetChimei(QString());
        panel().blankAllCells();
        panel().stopClock();
        noteShownRow(0);
    }
    for (ConsoleControl c : {ConsoleControl::DigitListFrame, ConsoleControl::KeypadFrame, ConsoleControl::DataBack,
                             ConsoleControl::DataForward, ConsoleControl::NightAndScroll})
        enable(c, !on);
    if (on) {
        enable(ConsoleControl::TapeGroup, false);
        return ActionResult::ok();
    }
    if (panel().clockShown())
        panel().startClock();
    enable(ConsoleControl::TapeGroup, m_tape->SpeechUsable());
    DispData(static_cast<int16_t>(m_route.CurrentRow()));
    return ActionResult::ok();
}

ActionResult ConsoleController::setLateNight(CheckValue value)
{
    if (!isEnabled(ConsoleControl::NightAndScroll) || !isCheckValue(value) || value == m_lateNight)
        return ActionResult::nothing();
    // The fares follow at the next display update.
    applyLateNight(value);
    return ActionResult::ok();
}

void ConsoleController::applyLateNight(CheckValue value)
{
    m_lateNight = value;
    console().showLateNight(value);
}

ActionResult ConsoleController::setScroll(ScrollSetting bar, int value)
{
    if (bar != ScrollSpeedBar && bar != ScrollWaitBar)
        return ActionResult::nothing();
    const int lowest = bar == ScrollSpeedBar ? settings::ValueRules::ScrollSpeedLowest : settings::ValueRules::ScrollWaitLowest;
    const int highest = bar == ScrollSpeedBar ? settings::ValueRules::ScrollSpeedHighest : settings::ValueRules::ScrollWaitHighest;
    if (!isEnabled(ConsoleControl::NightAndScroll) || value < lowest || value > highest || value == m_scroll[bar])
        return ActionResult::nothing();
    applyScroll(bar, value);
    return ActionResult::ok();
}

// A value equal to the bar's own changes nothing, so the display keeps its own defaults until
// a bar first moves; then both values are passed, whichever bar moved.
void ConsoleController::applyScroll(ScrollSetting bar, int value)
{
    if (value == m_scroll[bar])
        return;
    m_scroll[bar] = value;
    console().showScrollValue(bar, value);
    panel().setScroll(static_cast<int16_t>(m_scroll[ScrollSpeedBar]), m_scroll[ScrollWaitBar]);
}

ActionResult ConsoleController::setBacklight(Backlight state)
{
    if (!isBacklight(state) || m_backlight == state)
        return ActionResult::nothing();
    m_backlight = state;
    console().showBacklight(state);
    // The state is taken even when its picture could not be shown.
    return {true, Option4_Click(state)};
}

void ConsoleController::backlightDeselected(Backlight state)
{
    if (m_backlight == state)
        m_backlight.reset();
}

QString ConsoleController::Option4_Click(Backlight state)
{
    QString message;
    if (m_options.panelsIndividual() && m_options.userPanelChosen(state)) {
        const QString path = m_options.userPanelFile(state);
        // A picture that is no longer there leaves the panel as it is, without a word.
        if (FileExists(path)) {
            const UserPicture loaded = UserPicture::load(path);
            if (loaded.loaded()) {
                panel().setPicture(loaded.picture);
            } else {
                message = UserPicture::errorMessage(loaded.error);
                console().showMessage(message, QStringLiteral("エラー"), MessageIcon::Error);
            }
        }
    } else {
        panel().showBuiltInPicture(state);
    }
    panel().colourTicketNumbers(m_options.ticketNumberColor(state));
    return message;
}

ActionResult ConsoleController::setPreviewSwitch(CheckValue value)
{
    if (!isCheckValue(value) || value == m_previewSwitch)
        return ActionResult::nothing();
    applyPreviewSwitch(value);
    return ActionResult::ok();
}

void ConsoleController::applyPreviewSwitch(CheckValue value)
{
    m_previewSwitch = value;
    console().showPreviewSwitch(value);
}

ActionResult ConsoleController::sendEntryFrameBack(EntryFrameKind frame)
{
    if ((frame != DigitListFrame && frame != KeypadFrame) || !isEnabled(frameControl(frame)))
        return ActionResult::nothing();
    applyEntryFrame(frame);
    return ActionResult::ok();
}

void ConsoleController::applyEntryFrame(EntryFrameKind frame)
{
    m_EntryMode = frame;
    console().sendEntryFrameBack(frame);
}

// --- the announcement tape ---

// A tape button acts only when it and its group are enabled.
bool ConsoleController::tapeButtonUsable(ConsoleControl button) const
{
    return isEnabled(ConsoleControl::TapeGroup) && isEnabled(button);
}

ActionResult ConsoleController::tapeNext()
{
    if (!tapeButtonUsable(ConsoleControl::TapeNext))
        return ActionResult::nothing();
    m_tape->TapeNext();
    // The fare display moves along when the entry the tape stands on asks for it.
    if (m_tape->EntryStepFlag(m_tape->GetTapePos()) == 1)
        dataStep(DataForward);
    return ActionResult::ok();
}

ActionResult ConsoleController::tapeBack()
{
    if (!tapeButtonUsable(ConsoleControl::TapeBack))
        return ActionResult::nothing();
    m_tape->TapeBack();
    if (m_tape->EntryStepFlag(m_tape->GetTapePos()) == 1)
        dataStep(DataBack);
    return ActionResult::ok();
}

ActionResult ConsoleController::tapeStop()
{
    if (!tapeButtonUsable(ConsoleControl::TapeStop))
        return ActionResult::nothing();
    m_tape->StopAnnouncement();
    return ActionResult::ok();
}

ActionResult ConsoleController::tapeSettings()
{
    if (!tapeButtonUsable(ConsoleControl::TapeSet))
        return ActionResult::nothing();
    m_tape->ShowVoiceSettings(console().dialogOwner());
    return ActionResult::ok();
}

void ConsoleController::initSpeech()
{
    m_tape->InitSpeech();
}

void ConsoleController::redrawStopName()
{
    // Drawn with whatever "次は" mode the display has now; not the first-row rule.
    panel().SetChimei(QString());
    panel().SetChimei(m_route.Current().StopName);
}

void ConsoleController::blankStopName()
{
    panel().SetChimei(QString());
}

// --- the settings file ---

void ConsoleController::GetCtrlDataInfo(settings::CtrlDataInfo &info) const
{
    info.ScrollSpeed = m_scroll[ScrollSpeedBar];
    info.ScrollWait = m_scroll[ScrollWaitBar];
    info.EntryMode = m_EntryMode;
    info.PreviewOpen = static_cast<int16_t>(m_previewSwitch);
    info.LateNight = static_cast<int16_t>(m_lateNight);
}

settings::IniStatus ConsoleController::SetCtrlDataInfo(const settings::CtrlDataInfo &stored)
{
    // A value its control cannot take leaves the control as it was; the values after it still
    // apply.
    settings::IniRecords taken;
    settings::IniRecords current;
    taken.ctrlData = stored;
    GetCtrlDataInfo(current.ctrlData);
    const settings::IniStatus refused =
        settings::ValueRules::keepAcceptable(taken, current, settings::ValueRules::console());
    const settings::CtrlDataInfo &info = taken.ctrlData;
    applyScroll(ScrollSpeedBar, static_cast<int16_t>(info.ScrollSpeed));
    applyScroll(ScrollWaitBar, static_cast<int16_t>(info.ScrollWait));
    m_EntryMode = info.EntryMode;
    applyPreviewSwitch(static_cast<CheckValue>(info.PreviewOpen));
    applyLateNight(static_cast<CheckValue>(info.LateNight));
    // Another number is kept for the file but moves no frame.
    if (m_EntryMode == DigitListFrame || m_EntryMode == KeypadFrame)
        applyEntryFrame(static_cast<EntryFrameKind>(m_EntryMode));
    return refused;
}

// --- the services and the views ---

void ConsoleController::enable(ConsoleControl control, bool enabled)
{
    m_enabled[int(control)] = enabled;
    console().enableControl(control, enabled);
}

void ConsoleController::playSound(const QString &path, const QString &tag, bool wait)
{
    if (m_services.playSound)
        m_services.playSound(path, tag, wait, 0);
}

// The sounds of route entry are never waited for.
void ConsoleController::playEntrySound(SoundSlot slot)
{
    playSound(m_options.soundFile(slot), QStringLiteral("S1"), false);
}

} // namespace app
