#include "platform/ui/SpeechComponent.h"

#include "platform/ui/VoiceSettingsDialog.h"

namespace platform {

std::unique_ptr<SpeechVoice> createSpeechComponent(PcmSink &sink)
{
    SpeechVoice::Options options;
    options.settingsDialog = &VoiceSettingsDialog::run;
    return SpeechVoice::create(sink, std::move(options));
}

} // namespace platform
