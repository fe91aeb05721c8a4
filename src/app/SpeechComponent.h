#pragma once

#include "speech/SpeechVoice.h"

#include <memory>

namespace app {

// The program's speech component with its settings dialog, speaking into `sink`. Null when it
// cannot be created (no dictionary, no Japanese voice data); the caller then goes without.
std::unique_ptr<speech::SpeechVoice> createSpeechComponent(base::PcmSink &sink);

} // namespace app
