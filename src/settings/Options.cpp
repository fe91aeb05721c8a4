#include "settings/Options.h"

#include "settings/ValueRules.h"

#include <initializer_list>
#include <vector>

namespace settings {
namespace {

constexpr int16_t Selected = -1;

// Sets the option buttons of one group as setting them one after another does: a non-zero value
// selects its button and deselects the others, 0 deselects that button alone. The buttons hold
// the stored values on entry and `before` is the group as it was.
void selectAsStored(std::initializer_list<int16_t *> group, std::initializer_list<int16_t> before)
{
    const std::vector<int16_t *> buttons(group);
    std::vector<int16_t> stored;
    auto was = before.begin();
    for (int16_t *button : buttons) {
        stored.push_back(*button);
        *button = *was++;
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (stored[i] == 0) {
            *buttons[i] = 0;
            continue;
        }
        for (size_t j = 0; j < buttons.size(); ++j)
            *buttons[j] = (j == i) ? Selected : 0;
    }
}

void selectPanelButtons(PanelInfo &p, const PanelInfo &was)
{
    selectAsStored({&p.PanelAuto, &p.PanelManual}, {was.PanelAuto, was.PanelManual});
    selectAsStored({&p.PanelOffBuiltin, &p.PanelOffUser}, {was.PanelOffBuiltin, was.PanelOffUser});
    selectAsStored({&p.PanelOn1Builtin, &p.PanelOn1User}, {was.PanelOn1Builtin, was.PanelOn1User});
    selectAsStored({&p.PanelOn2Builtin, &p.PanelOn2User}, {was.PanelOn2Builtin, was.PanelOn2User});
}

void selectSoundButtons(SoundInfo &s, const SoundInfo &was)
{
    selectAsStored({&s.SndStepAlways, &s.SndStepByColumn}, {was.SndStepAlways, was.SndStepByColumn});
    selectAsStored({&s.SndStepSync, &s.SndStepAsync}, {was.SndStepSync, was.SndStepAsync});
    selectAsStored({&s.SndPreAlways, &s.SndPreByFlag}, {was.SndPreAlways, was.SndPreByFlag});
    selectAsStored({&s.SndPreSync, &s.SndPreAsync}, {was.SndPreSync, was.SndPreAsync});
}

void selectDateButtons(SeirikenInfo &t, const SeirikenInfo &was)
{
    selectAsStored({&t.DateEachPrint, &t.DateKeep, &t.DateFixed}, {was.DateEachPrint, was.DateKeep, was.DateFixed});
}

} // namespace

Options::Options(const QDate &today, QObject *parent) : QObject(parent)
{
    m_records.seiriken.FixedDate = IniRecords::formatFixedDate(today);
}

void Options::change(const std::function<void(OptionRecords &)> &edit)
{
    OptionRecords next = m_records;
    edit(next);
    replace(next);
}

void Options::replace(const OptionRecords &records)
{
    if (records == m_records)
        return;
    m_records = records;
    emit changed();
}

void Options::setStartUpDefaults()
{
    change([](OptionRecords &r) {
        r.panel.UseSeiriNum = 1;
        r.panel.SeiriNumColor = {0xFFFFFF, 0xC0FFC0, 0xC0FFC0};
    });
}

void Options::GetOptionInfo(IniRecords &records) const
{
    records.folder = m_records.folder;
    records.panel = m_records.panel;
    records.degit = m_records.degit;
    records.chimei = m_records.chimei;
    records.sound = m_records.sound;
    records.seiriken = m_records.seiriken;
    records.customColors = m_records.customColors;
}

IniStatus Options::SetOptionInfo(const IniRecords &stored)
{
    IniRecords taken = stored;
    IniRecords current;
    GetOptionInfo(current);
    const IniStatus refused = ValueRules::keepAcceptable(taken, current, ValueRules::options());

    OptionRecords next{taken.folder, taken.panel, taken.degit, taken.chimei, taken.sound, taken.seiriken, taken.customColors};
    selectPanelButtons(next.panel, m_records.panel);
    selectSoundButtons(next.sound, m_records.sound);
    selectDateButtons(next.seiriken, m_records.seiriken);
    replace(next);
    return refused;
}

QString Options::soundFile(SoundSlot slot) const
{
    const SoundInfo &s = sound();
    switch (slot) {
    case SoundSlot::RouteSetting:
        return s.SndKeitou;
    case SoundSlot::Reset:
        return s.SndReset;
    case SoundSlot::BeforeAnnouncement:
        return s.SndPreFile;
    case SoundSlot::BeforeAnnouncementFlag1:
        return s.SndPreFile1;
    case SoundSlot::BeforeAnnouncementFlag2:
        return s.SndPreFile2;
    case SoundSlot::BeforeAnnouncementFlag3:
        return s.SndPreFile3;
    case SoundSlot::Step:
        return s.SndStepFile;
    case SoundSlot::StepColumnValue1:
        return s.SndStepFile1;
    case SoundSlot::StepColumnValue2:
        return s.SndStepFile2;
    case SoundSlot::StepColumnValue3:
        return s.SndStepFile3;
    }
    return {};
}

bool Options::userPanelChosen(Backlight state) const
{
    switch (state) {
    case Backlight::Off:
        return panel().PanelOffUser != 0;
    case Backlight::On1:
        return panel().PanelOn1User != 0;
    case Backlight::On2:
        return panel().PanelOn2User != 0;
    }
    return false;
}

QString Options::userPanelFile(Backlight state) const
{
    const int i = static_cast<int>(state);
    return (i >= 0 && i < 3) ? panel().PanelFile[i] : QString();
}

base::OleColor Options::ticketNumberColor(Backlight state) const
{
    const int i = static_cast<int>(state);
    return (i >= 0 && i < 3) ? panel().SeiriNumColor[i] : 0;
}

TicketDateMode Options::ticketDateMode() const
{
    if (seiriken().DateFixed != 0)
        return TicketDateMode::Fixed;
    if (seiriken().DateKeep != 0)
        return TicketDateMode::KeptAtRouteSetting;
    return TicketDateMode::AtPrint;
}

std::optional<int> Options::columnOf(int16_t listIndex)
{
    if (listIndex < 0)
        return std::nullopt;
    return listIndex + 1;
}

} // namespace settings
