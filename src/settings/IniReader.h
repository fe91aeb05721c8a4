#pragma once

#include "settings/IniFields.h"

#include <QByteArray>
#include <QString>

namespace settings {

// Reads settings fields back from the bytes of a file. The file is trusted for nothing: a field
// past the end reads as 0, a text whose count runs past the end reads as empty (and ends the
// data), so any byte string gives a complete set of records.
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
    // The next byteCount bytes as an unsigned little-endian number; 0 when fewer remain, in
    // which case the rest of the data is dropped.
    uint32_t takeLittleEndian(int byteCount);

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_ranShort = false;
};

} // namespace settings
