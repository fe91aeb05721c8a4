#pragma once

#include <cstdint>

namespace speech {

// The voice opens each utterance with some tens of milliseconds of exact silence. This drops
// that silence, block by block as the samples come, so that the utterance is heard from its
// first sound; once a sound has come, everything passes untouched, pauses between words and
// the silence at the end included. An utterance that stays silent to its end (spoken at volume
// 0) is not shortened: the silence held back is handed over then.
class LeadingSilenceTrim
{
public:
    // A new utterance begins.
    void restart();

    // Of a block of mono samples, the index of the first one to pass on: `count` while the
    // utterance is still silent, 0 once it has been heard.
    int firstToKeep(const int16_t *samples, int count);

    // The samples of silence dropped while nothing has been heard; 0 once something has.
    long heldBack() const { return m_heard ? 0 : m_dropped; }

private:
    bool m_heard = false;
    long m_dropped = 0;
};

} // namespace speech
