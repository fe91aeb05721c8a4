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

// Why the tape does not take a broadcast data file.
enum class BroadcastProblem {
    CannotOpen,     // the file: missing, a folder or unreadable
    TooLarge,       // the file: more than BroadcastData::MaxFileBytes
    Empty,          // the file: no bytes, or only the end-of-file mark
    NotCodePage,    // a line holds bytes that are not code-page text
    Blank,          // a line holds nothing, or only blanks
    OpenQuote,      // a line's quote is never closed
    TextAfterQuote, // something other than a comma follows a closing quote
    NotThreeValues, // a line holds fewer or more than three values
    BadStepFlag,    // the step flag is not a 16-bit integer
    BadSoundFlag,   // the sound flag is not a 16-bit integer
};

struct BroadcastFault
{
    int line = 0; // 1-based; 0 for a problem of the whole file
    BroadcastProblem problem = BroadcastProblem::CannotOpen;
    int values = 0; // NotThreeValues: how many the line holds
    QString value;  // BadStepFlag, BadSoundFlag: the flag as written

    bool operator==(const BroadcastFault &) const = default;
};

// A broadcast data file as the tape reads it: the entry of every good line and a fault for
// every bad one. The tape takes the entries only when there is no fault at all.
struct BroadcastReading
{
    std::vector<TapeEntry> entries;
    std::vector<BroadcastFault> faults;

    bool ok() const { return faults.empty(); }
};

// The broadcast data file of a route: code-page text, one entry per line, three
// comma-separated values (text, step flag, sound flag). A value may be enclosed in double
// quotes, which are removed ("" inside stands for one quote); a text holding a comma must be.
// The flags are 16-bit signed integers, an empty flag reads as 0.
//
// A file is taken whole or not at all: a line without exactly three values, a flag that is not
// a 16-bit integer, an unclosed quote, a blank line, bytes that are not code-page text or an
// empty file make it malformed. The reading names every bad line, so that the companion tool's
// check judges a file exactly as the tape does.
class BroadcastData
{
public:
    // Larger files are not broadcast data (a route has at most 301 stops).
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

    // <folder>/<route key>tp.csv: "/" is added to a folder that is not empty and does not end
    // in one; the route is read as a number, so "007" gives 7tp.csv.
    static QString filePath(const QString &folder, const QString &routeText);

    // The file the tape opens for `path`: `path` itself when it exists, else the first file of
    // its folder (in name order) whose name differs only in the case of its letters (12Tp.csv,
    // as the files are often named where names ignore case), else `path`.
    static QString resolvedPath(const QString &path);

    // The entries of the file at resolvedPath(`path`); none when it is missing, unreadable or
    // malformed.
    static std::optional<std::vector<TapeEntry>> load(const QString &path);

    static std::optional<std::vector<TapeEntry>> parse(const QByteArray &bytes);

    // The file at `path` itself (no case forgiven) or the bytes, with every fault.
    static BroadcastReading readFile(const QString &path);
    static BroadcastReading read(const QByteArray &bytes);
};

} // namespace sound
