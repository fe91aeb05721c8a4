#pragma once

#include "speech/TextToSpeech.h"

#include <functional>
#include <future>
#include <memory>

namespace app {

// The speech component loads its dictionary and voice data for a while; this starts that on a
// thread of its own as soon as it is constructed, so that it goes on while the windows are
// built. take() hands the component over when the console's load asks for it, waiting for the
// rest of the loading; a later take() creates a new one on the spot.
class SpeechPreload
{
public:
    using Factory = std::function<std::unique_ptr<speech::TextToSpeech>()>;

    explicit SpeechPreload(Factory create);
    ~SpeechPreload();
    SpeechPreload(const SpeechPreload &) = delete;
    SpeechPreload &operator=(const SpeechPreload &) = delete;

    std::unique_ptr<speech::TextToSpeech> take();

private:
    Factory m_create;
    std::future<std::unique_ptr<speech::TextToSpeech>> m_loading;
};

} // namespace app
