// Opening sound files: any bytes opened as wave audio decode to a finished sound or to none,
// and any bytes opened as a MIDI sequence render (with the General MIDI soundfont) or are
// refused. Rendering is cut off after its first second, which is where the file is parsed
// and starts to play; the rest of a long piece is more of the same.

#include "FuzzCheck.h"

#include "audio/AudioFormat.h"
#include "audio/MidiRenderer.h"
#include "audio/WavDecoder.h"

#include <chrono>
#include <thread>

namespace {

void openAsWave(const QByteArray &bytes)
{
    const auto sound = audio::WavDecoder::decode(bytes);
    if (sound)
        FUZZ_CHECK(sound->isComplete() && sound->available() <= audio::AudioFormat::MaxFrames);
}

void openAsMidi(const QByteArray &bytes)
{
    static audio::MidiRenderer renderer;
    static const bool ready = renderer.waitUntilReady();
    FUZZ_CHECK(ready);
    const auto sound = renderer.start(bytes);
    if (!sound) {
        FUZZ_CHECK(audio::MidiRenderer::standardMidiData(bytes).isEmpty());
        return;
    }
    const std::size_t enough = audio::AudioFormat::SampleRate;
    while (!sound->isComplete() && sound->available() < enough)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    renderer.cancel(sound);
    while (!sound->isComplete())
        std::this_thread::sleep_for(std::chrono::microseconds(200));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    openAsWave(bytes);
    openAsMidi(bytes);
    return 0;
}
