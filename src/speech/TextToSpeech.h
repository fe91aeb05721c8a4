#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace speech {

// The text-to-speech component as the announcement tape uses it: exactly four operations.
class TextToSpeech
{
public:
    // The 32-bit state value.
    //   Idle      0  nothing is queued, being synthesised or still playing
    //   Speaking  1  an utterance is queued, being synthesised, or its samples are still playing
    //   Failed   -1  the last utterance could not be voiced; the caller stops again, which
    //                clears it
    enum State : int32_t { Idle = 0, Speaking = 1, Failed = -1 };

    virtual ~TextToSpeech() = default;

    // Cuts off what is being said and drops everything queued.
    virtual void stop() = 0;

    // Queues `text` and returns at once; the voice goes on in the background.
    virtual void speak(const QString &text) = 0;

    virtual int32_t state() const = 0;

    // The component's own voice settings dialog, modal over `owner`.
    virtual void showSettings(QWidget *owner, const QString &title) = 0;

    // Beyond the four: the readings file of the broadcast data now loaded, used for what is
    // spoken from now on; an empty name for none. A component that reads no text ignores it.
    virtual void setRouteReadings(const QString &file) { (void)file; }
};

} // namespace speech
