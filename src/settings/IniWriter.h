#pragma once

#include "settings/IniFields.h"

#include <QByteArray>
#include <QString>

namespace settings {

// Appends settings fields to a byte buffer: little-endian numbers, texts as a 16-bit byte count
// followed by their code-page bytes.
class IniWriter
{
public:
    static constexpr int MaxTextBytes = 0xFFFF;

    void begin(IniField) {}
    void end() {}
    void int16(IniField, int16_t value);
    void int32(IniField, int32_t value);
    void colour32(IniField, OleColor value);
    // A text whose bytes do not fit the 16-bit count is cut to fit and remembered in
    // overlongField(), so that the caller can refuse to store a damaged value.
    void text(IniField field, const QString &value);

    const QByteArray &bytes() const { return m_bytes; }
    // "PanelFile(1)" style name of the first text that was too long, empty when none was.
    const QString &overlongField() const { return m_overlongField; }

private:
    void putLittleEndian(uint32_t value, int byteCount);

    QByteArray m_bytes;
    QString m_overlongField;
};

} // namespace settings
