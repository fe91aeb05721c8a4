#pragma once

#include "settings/IniFields.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace settings {

// Reads settings fields back from the bytes of a file into records that already hold a value for
// every field. The file is trusted for nothing: a field past the end is left as it was, and so
// is a text whose count runs past the end (which also ends the data), so any byte string gives
// a complete set of records.
class IniReader
{
public:
    explicit IniReader(const QByteArray &bytes) : m_bytes(bytes) {}

    void begin(IniField) {}
    void end() {}
    void int16(IniField, int16_t &value);
    void int32(IniField, int32_t &value);
    void colour32(IniField, OleColor &value);
    void text(IniField, QString &value);

    // Bytes consumed so far.
    qsizetype position() const { return m_pos; }
    // True once a field was missing or cut short.
    bool ranShort() const { return m_ranShort; }

private:
    // The next byteCount bytes as an unsigned little-endian number; nothing when fewer remain,
    // in which case the rest of the data is dropped.
    std::optional<uint32_t> takeLittleEndian(int byteCount);
    void dropTheRest();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_ranShort = false;
};

} // namespace settings
