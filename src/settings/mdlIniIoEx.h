#pragma once

#include "settings/IniRecords.h"
#include "settings/IniStatus.h"

#include <QByteArray>
#include <QString>

namespace settings {

// What decoding learnt about the bytes beyond the records themselves.
struct IniDecodeInfo
{
    int16_t storedCellCount = 0; // read, never used: the file always holds 30 cells
    bool complete = false;       // every field was present
    qsizetype bytesUsed = 0;     // bytes the records took; anything after them is ignored
};

struct IniLoadResult
{
    IniStatus status;
    IniRecords records; // the file's values over the base when status.ok(), the base otherwise
    IniDecodeInfo info;
    QByteArray bytes;   // what was read
};

// The settings file ".in4": a plain run of fixed-layout records with no header, little-endian
// numbers, texts as a 16-bit byte count and code-page bytes. The windows stage their state in
// IniRecords and call save and load; nothing here touches a window.
class mdlIniIoEx
{
public:
    static constexpr int TextFieldCount = 17;
    // Size of the file when every text is empty, and the largest size the layout allows.
    static constexpr qsizetype EmptyTextsFileSize = 428;
    static constexpr qsizetype MaxFileSize = EmptyTextsFileSize + TextFieldCount * qsizetype(0xFFFF);

    // The file's bytes. The stored cell count is always 30. When a text is too long for its
    // 16-bit count it is cut and its field named in *overlongField.
    static QByteArray encode(const IniRecords &records, QString *overlongField = nullptr);

    // Records from any byte string: the fields the bytes hold over `base`, so that whatever a
    // short file lacks keeps the base's value.
    static IniRecords decode(const QByteArray &bytes, const IniRecords &base, IniDecodeInfo *info = nullptr);
    // The same over the records' defaults.
    static IniRecords decode(const QByteArray &bytes, IniDecodeInfo *info = nullptr)
    {
        return decode(bytes, IniRecords(), info);
    }

    // Replaces the file at `path` in one step (see writeFile), so that a failed save leaves
    // the previous file as it was.
    static IniStatus save(const IniRecords &records, const QString &path);

    // Replaces the file at `path` with `bytes` through base::AtomicFile, creating a missing
    // folder; a failure carries its number and the system's reason.
    static IniStatus writeFile(const QString &path, const QByteArray &bytes);

    // Reads the file at `path` over `base`. A missing or empty file (or an empty name) gives a
    // Missing status, which callers pass over silently; a file that cannot be read gives
    // Failed. A short or damaged file is not an error: see decode.
    static IniLoadResult load(const QString &path, const IniRecords &base = IniRecords());

    // Every field keyed by its record and field name, as indented JSON (UTF-8).
    static QByteArray dumpJson(const IniRecords &records, int16_t cellCount = DegitCellCount);
};

} // namespace settings
