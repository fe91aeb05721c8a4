#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace sound {

// One announcement of the tape: one line of the broadcast data file.
struct TapeEntry
{
    QString Text;          // handed to the speech component
    int16_t StepFlag = 0;  // 1: the fare display moves along with this announcement
    int16_t SoundFlag = 0; // 1, 2, 3: the pre-broadcast sound of that number; else none

    bool operator==(const TapeEntry &) const = default;
};

// The broadcast data file of a route: code-page text, one entry per line, three
// comma-separated values (text, step flag, sound flag). A value may be enclosed in double
// quotes, which are removed ("" inside stands for one quote); a text holding a comma must be.
// The flags are 16-bit signed integers, an empty flag reads as 0.
//
// A file is taken whole or not at all: a line without exactly three values, a flag that is not
// a 16-bit integer, an unclosed quote, a blank line, bytes that are not code-page text or an
// empty file make it malformed.
class BroadcastData
{
public:
    // Larger files are not broadcast data (a route has at most 301 stops).
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    // <folder>/<route key>tp.csv: "/" is added to a folder that is not empty and does not end
    // in one; the route is read as a number, so "007" gives 7tp.csv.
    static QString filePath(const QString &folder, const QString &routeText);

    // The entries of the file at `path`; none when it is missing, unreadable or malformed.
    // When no file has exactly that name, one whose name differs only in the case of its
    // letters is taken (12Tp.csv, as the files are often named where names ignore case).
    static std::optional<std::vector<TapeEntry>> load(const QString &path);

    static std::optional<std::vector<TapeEntry>> parse(const QByteArray &bytes);
};

} // namespace sound
