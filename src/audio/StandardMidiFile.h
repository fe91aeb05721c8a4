#pragma once

#include <QByteArray>

namespace audio {

// The check a MIDI file passes before the synthesizer sees it. FluidSynth's reader trusts the
// file: a chunk other than a track, or an event that runs past the end of its track, makes it
// read a length from arbitrary bytes, and a length of 2 GiB or more sends it backwards to read
// the same bytes for ever, which would stop every later MIDI sound and keep a play that waits
// from returning. So only files whose every byte is accounted for are handed over: the
// 14-byte header, then tracks ("MTrk") to the end of the file, each made of whole events that
// stay inside it.
class StandardMidiFile
{
public:
    // The standard MIDI file in `file`: the bytes themselves, or the "data" chunk of a RIFF MIDI
    // ("RMID") file; empty when there is none or it does not pass isWellFormed().
    static QByteArray extract(const QByteArray &file);

    static bool isWellFormed(const QByteArray &smf);

private:
    static bool trackIsWellFormed(const QByteArray &smf, qsizetype begin, qsizetype end);
};

} // namespace audio
