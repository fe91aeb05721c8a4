#include "app/SpeechComponent.h"

#include "app/VoiceSettingsDialog.h"

namespace app {

std::unique_ptr<speech::SpeechVoice> createSpeechComponent(base::PcmSink &sink)
{
    speech::SpeechVoice::Options options;
    options.settingsDialog = &VoiceSettingsDialog::run;
    return speech::SpeechVoice::create(sink, std::move(options));
}

} // namespace app
