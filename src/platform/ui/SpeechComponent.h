#pragma once

#include "platform/SpeechVoice.h"

#include <memory>

namespace platform {

// The program's speech component with its settings dialog, speaking into `sink`. Null when it
// cannot be created (no dictionary, no Japanese voice data); the caller then goes without.
std::unique_ptr<SpeechVoice> createSpeechComponent(PcmSink &sink);

} // namespace platform
