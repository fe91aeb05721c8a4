#include "speech/LeadingSilenceTrim.h"

namespace speech {

void LeadingSilenceTrim::restart()
{
    m_heard = false;
    m_dropped = 0;
}

int LeadingSilenceTrim::firstToKeep(const int16_t *samples, int count)
{
    if (m_heard)
        return 0;
    for (int i = 0; i < count; ++i) {
        if (samples[i] != 0) {
            m_heard = true;
            return i;
        }
    }
    m_dropped += count;
    return count;
}

} // namespace speech
