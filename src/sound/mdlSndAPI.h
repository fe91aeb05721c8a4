#pragma once

#include "base/ProgramInfo.h"

#include <QString>

#include <functional>

namespace audio {
class MediaControl;
} // namespace audio

namespace sound {

// Plays the user's sound files on the four channels "S1".."S4" through media-control command
// strings. It keeps no state of its own: the open sounds live in the media control under the
// channel aliases, the program's base name followed by the tag ("731S1".."731S4"). A name the
// command words could not carry ("731 copy", as file managers name copies) has its blanks,
// quotes and control characters replaced by "_" ("731_copyS1").
class mdlSndAPI
{
public:
    // Blocks the calling thread for the given milliseconds; 0 gives up the rest of the time slice.
    using Sleeper = std::function<void(int ms)>;

    explicit mdlSndAPI(audio::MediaControl &mci, QString exeBaseName = base::executableBaseName(),
                       Sleeper sleeper = {});

    // Plays `path` on channel `tag`, cutting off what that channel was playing. With `wait`
    // non-zero it returns only when the sound has ended, then pauses `pauseMs`. A missing file,
    // an empty path or a path holding a double quote sends nothing at all; a name not ending
    // in WAV or MID closes the channel and plays nothing.
    void PlaySoundFile(const QString &path, const QString &tag, qint16 wait, qint16 pauseMs);

    // Closes the four channels, "S1" to "S4" in that order.
    void CloseAllSounds();

    // The media-control alias of a channel: the program's base name followed by the tag.
    QString channelAlias(const QString &tag) const;

    // `programName` as one command word: unchanged for ordinary names, "731" for none.
    static QString aliasBaseName(const QString &programName);

private:
    void send(const QString &command);

    audio::MediaControl &m_mci;
    QString m_baseName;
    Sleeper m_sleep;
};

} // namespace sound
