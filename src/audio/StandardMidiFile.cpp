#include "audio/StandardMidiFile.h"

#include <cstdint>
#include <optional>

namespace audio {
namespace {

constexpr qsizetype HeaderBytes = 14;
constexpr qsizetype ChunkHeadBytes = 8;

uint32_t bigEndian32(const QByteArray &b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16 | uint32_t(uint8_t(b[at + 2])) << 8
           | uint32_t(uint8_t(b[at + 3]));
}

uint32_t littleEndian32(const QByteArray &b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16
           | uint32_t(uint8_t(b[at + 3])) << 24;
}

// A variable-length number of at most four bytes, read at `at` (moved past it) before `end`.
std::optional<uint32_t> varLen(const QByteArray &b, qsizetype &at, qsizetype end)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end)
            return std::nullopt;
        const uint8_t c = uint8_t(b[at++]);
        value = (value << 7) | (c & 0x7F);
        if (!(c & 0x80))
            return value;
    }
    return std::nullopt;
}

// Data bytes that follow a channel status: one for program change and channel pressure, two
// for the others.
int channelDataBytes(uint8_t status)
{
    const uint8_t type = status & 0xF0;
    return type == 0xC0 || type == 0xD0 ? 1 : 2;
}

// Bytes after the last track that the synthesizer's reader goes on into, taking them for
// another chunk, stop it at once when they are too few for a chunk head or begin with a byte
// that is no ASCII letter. (It reads the name as a C string: a leading zero byte would make
// an empty name, which it takes for a chunk to skip.)
bool harmlessTail(const QByteArray &smf, qsizetype at)
{
    return smf.size() - at < ChunkHeadBytes || uint8_t(smf[at]) >= 0x80;
}

} // namespace

QByteArray StandardMidiFile::extract(const QByteArray &file)
{
    QByteArray smf;
    if (file.startsWith("MThd")) {
        smf = file;
    } else if (file.startsWith("RIFF") && file.size() >= 12 && file.mid(8, 4) == "RMID") {
        // RIFF chunks: a name, a little-endian length, the data padded to an even length.
        for (qsizetype at = 12; file.size() - at >= ChunkHeadBytes;) {
            const qsizetype length = qsizetype(littleEndian32(file, at + 4));
            const qsizetype data = at + ChunkHeadBytes;
            if (file.mid(at, 4) == "data") {
                smf = file.mid(data, qMin(length, file.size() - data));
                break;
            }
            if (length > file.size() - data)
                break;
            at = data + length + (length & 1);
        }
    }
    return isWellFormed(smf) ? smf : QByteArray();
}

bool StandardMidiFile::isWellFormed(const QByteArray &smf)
{
    // The header: "MThd", length 6, format 0 to 2, at least one track, a division in ticks
    // per quarter note (the synthesizer plays no SMPTE time).
    if (smf.size() < HeaderBytes || !smf.startsWith("MThd") || bigEndian32(smf, 4) != 6)
        return false;
    const int format = uint8_t(smf[8]) << 8 | uint8_t(smf[9]);
    const int tracks = uint8_t(smf[10]) << 8 | uint8_t(smf[11]);
    if (format > 2 || tracks == 0 || (uint8_t(smf[12]) & 0x80))
        return false;

    int found = 0;
    qsizetype at = HeaderBytes;
    while (smf.size() - at >= ChunkHeadBytes && smf.mid(at, 4) == "MTrk") {
        const qsizetype length = qsizetype(bigEndian32(smf, at + 4));
        const qsizetype begin = at + ChunkHeadBytes;
        if (length > smf.size() - begin || !trackIsWellFormed(smf, begin, begin + length))
            return false;
        at = begin + length;
        ++found;
    }
    // The reader takes the header's count of tracks with its high byte shifted too far, so
    // unless the count is small it reads on past the tracks named there.
    const bool readerStopsAtTheTracks = smf[10] == 0 && uint8_t(smf[11]) < 0x80 && tracks <= found;
    return found > 0 && (readerStopsAtTheTracks || harmlessTail(smf, at));
}

// Every event lies wholly inside the track, and the track ends with its last event or with an
// end-of-track event. Running status continues channel messages only.
bool StandardMidiFile::trackIsWellFormed(const QByteArray &smf, qsizetype begin, qsizetype end)
{
    qsizetype at = begin;
    uint8_t running = 0;
    while (at < end) {
        if (!varLen(smf, at, end) || at >= end)
            return false;
        uint8_t status = uint8_t(smf[at]);
        if (status & 0x80) {
            ++at;
        } else if (running) {
            status = running;
        } else {
            return false;
        }
        if (status == 0xFF) {
            if (at >= end)
                return false;
            const uint8_t type = uint8_t(smf[at++]);
            const std::optional<uint32_t> length = varLen(smf, at, end);
            if (!length || qsizetype(*length) > end - at)
                return false;
            at += qsizetype(*length);
            running = 0;
            if (type == 0x2F)
                return *length == 0; // the reader skips whatever follows the end of the track
        } else if (status == 0xF0) {
            const std::optional<uint32_t> length = varLen(smf, at, end);
            if (!length || qsizetype(*length) > end - at)
                return false;
            at += qsizetype(*length);
            running = 0;
        } else if (status >= 0xF0) {
            return false; // system messages have no place in a file
        } else {
            const int data = channelDataBytes(status);
            if (data > end - at)
                return false;
            at += data;
            running = status;
        }
    }
    return true;
}

} // namespace audio
