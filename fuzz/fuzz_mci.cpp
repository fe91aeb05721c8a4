// The media-control command parser: any text parses or is refused, never a crash. And whatever
// the program is named, its channel aliases come through the parser as one word each.

#include "FuzzCheck.h"

#include "audio/MciCommand.h"
#include "sound/mdlSndAPI.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const auto command = audio::MciCommand::parse(text)) {
        FUZZ_CHECK(!command->target.isEmpty());
        if (command->verb == audio::MciCommand::Verb::Open)
            FUZZ_CHECK(!command->alias.isEmpty() && command->type != audio::MciCommand::DeviceType::None);
    }

    const QString alias = sound::mdlSndAPI::aliasBaseName(text) + QStringLiteral("S1");
    const auto close = audio::MciCommand::parse(QStringLiteral("close ") + alias);
    FUZZ_CHECK(close && close->target == alias);
    const auto open = audio::MciCommand::parse(QStringLiteral("open \"/a b.wav\" type waveaudio alias ") + alias
                                                  + QStringLiteral(" wait"));
    FUZZ_CHECK(open && open->alias == alias && open->wait);
    return 0;
}
