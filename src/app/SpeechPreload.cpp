#include "app/SpeechPreload.h"

namespace app {

SpeechPreload::SpeechPreload(Factory create)
    : m_create(std::move(create)), m_loading(std::async(std::launch::async, m_create))
{
}

// A component never taken is released here, after its loading has ended.
SpeechPreload::~SpeechPreload() = default;

std::unique_ptr<speech::TextToSpeech> SpeechPreload::take()
{
    if (m_loading.valid())
        return m_loading.get();
    return m_create();
}

} // namespace app
