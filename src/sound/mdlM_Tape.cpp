#include "sound/mdlM_Tape.h"

#include "speech/ReadingCorrections.h"
#include "speech/TextToSpeech.h"

#include <QFileInfo>

namespace sound {

using TapeButton = TapeHost::TapeButton;

mdlM_Tape::mdlM_Tape(TapeHost &host, SpeechFactory createSpeech)
    : m_host(host), m_createSpeech(std::move(createSpeech))
{
}

mdlM_Tape::~mdlM_Tape() = default;

bool mdlM_Tape::onUnusableOs() const
{
    return m_host.osName() == unusableOs();
}

void mdlM_Tape::InitSpeech()
{
    if (onUnusableOs()) {
        m_speechUsable = false;
        m_host.setTapeGroupCaption(captionUnusable());
        m_host.setTapeGroupEnabled(false);
        return;
    }
    m_speech = m_createSpeech ? m_createSpeech() : nullptr;
    if (m_speech) {
        m_host.setTapeGroupEnabled(true);
        m_host.setTapeGroupCaption(captionUsable());
        m_speechUsable = true;
    } else {
        m_speechUsable = false;
        m_host.setTapeGroupCaption(captionUnusable());
        m_host.setTapeGroupEnabled(false);
    }
}

void mdlM_Tape::ReleaseSpeech()
{
    m_speech.reset();
}

void mdlM_Tape::LoadBroadcastData(const QString &folder, const QString &routeText)
{
    if (onUnusableOs())
        return;
    std::optional<std::vector<TapeEntry>> entries = BroadcastData::load(BroadcastData::filePath(folder, routeText));
    if (!entries) {
        disableTape();
        return;
    }
    TapeEntries = std::move(*entries);
    TapeCount = int32_t(TapeEntries.size());
    TapePos = 0;
    // Stop names of the routes in this folder are read as the folder's readings file says.
    if (m_speech) {
        const QString dataFolder = QFileInfo(BroadcastData::filePath(folder, routeText)).path();
        m_speech->setRouteReadings(speech::ReadingCorrections::routeFile(dataFolder));
    }
    if (m_speechUsable) {
        m_host.setTapeGroupEnabled(true);
        for (TapeButton button : {TapeButton::Next, TapeButton::Back, TapeButton::Stop, TapeButton::Set})
            m_host.setTapeButtonEnabled(button, true);
    }
}

// A failed load leaves no entries behind: the tape is empty as well as disabled, so that
// nothing of the previous route can be announced.
void mdlM_Tape::disableTape()
{
    TapeEntries.clear();
    TapeCount = 0;
    TapePos = 0;
    m_host.setTapeGroupEnabled(false);
}

void mdlM_Tape::TapeNext()
{
    TapePos = TapePos + 1;
    if (TapePos > TapeCount) {
        TapePos = TapeCount;
        return;
    }
    const std::optional<settings::SoundSlot> slot =
        m_host.preSoundAlways() ? settings::SoundSlot::BeforeAnnouncement : slotForFlag(EntrySoundFlag(TapePos));
    playPreBroadcastSound(slot, QStringLiteral("S3"));
    AnnounceEntry(TapePos);
}

void mdlM_Tape::TapeBack()
{
    TapePos = TapePos - 1;
    if (TapePos < 1) {
        TapePos = 1;
        return;
    }
    // The "always" sound is for the way forward only.
    playPreBroadcastSound(slotForFlag(EntrySoundFlag(TapePos)), QStringLiteral("S2"));
    AnnounceEntry(TapePos);
}

std::optional<settings::SoundSlot> mdlM_Tape::slotForFlag(int16_t soundFlag)
{
    using settings::SoundSlot;
    switch (soundFlag) {
    case 1:
        return SoundSlot::BeforeAnnouncementFlag1;
    case 2:
        return SoundSlot::BeforeAnnouncementFlag2;
    case 3:
        return SoundSlot::BeforeAnnouncementFlag3;
    default:
        return std::nullopt;
    }
}

void mdlM_Tape::playPreBroadcastSound(std::optional<settings::SoundSlot> slot, const QString &tag)
{
    if (!slot)
        return;
    m_host.playSoundFile(m_host.soundFile(*slot), tag, m_host.preSoundWaits());
}

void mdlM_Tape::AnnounceEntry(int32_t index)
{
    if (!m_speech)
        return;
    m_speech->stop();
    const TapeEntry *entry = Entry(index);
    if (!entry)
        return;
    m_speech->speak(entry->Text);
    if (m_speech->state() == speech::TextToSpeech::Failed)
        m_speech->stop();
}

void mdlM_Tape::StopAnnouncement()
{
    if (m_speech)
        m_speech->stop();
}

void mdlM_Tape::ShowVoiceSettings(QWidget *owner, const QString &title)
{
    if (m_speech)
        m_speech->showSettings(owner, title);
}

const TapeEntry *mdlM_Tape::Entry(int32_t index) const
{
    if (index < 1 || index > TapeCount)
        return nullptr;
    return &TapeEntries[size_t(index - 1)];
}

int16_t mdlM_Tape::EntryStepFlag(int32_t index) const
{
    const TapeEntry *entry = Entry(index);
    return entry ? entry->StepFlag : 0;
}

int16_t mdlM_Tape::EntrySoundFlag(int32_t index) const
{
    const TapeEntry *entry = Entry(index);
    return entry ? entry->SoundFlag : 0;
}

} // namespace sound
