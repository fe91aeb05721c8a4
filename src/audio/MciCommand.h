#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace audio {

// One media-control command string, taken apart. The grammar is the part of the command
// language this program speaks:
//   open <file> type waveaudio|sequencer alias <alias> [wait]
//   play <alias> [from <ms>] [wait]
//   stop <alias> [wait]
//   close <alias>|all [wait]
// Words are separated by blanks and compared without regard to case; a file name may be put
// between double quotes and then holds blanks. Anything else does not parse.
struct MciCommand
{
    enum class Verb { Open, Play, Stop, Close };
    enum class DeviceType { None, WaveAudio, Sequencer };

    Verb verb = Verb::Close;
    QString target;      // the file name for open, the alias otherwise
    DeviceType type = DeviceType::None;
    QString alias;       // open only
    std::optional<qint64> fromMs;
    bool wait = false;

    static std::optional<MciCommand> parse(const QString &command);

    // The words of a command; a quoted word loses its quotes. Empty when a quote is not closed.
    static std::optional<QStringList> split(const QString &command);
};

} // namespace audio
