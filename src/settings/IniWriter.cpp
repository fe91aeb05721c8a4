#include "settings/IniWriter.h"

#include "base/Cp932.h"

namespace settings {
namespace {

// Cuts at a character boundary so that the stored text still decodes cleanly.
QByteArray cutToFit(const QByteArray &bytes, int limit)
{
    qsizetype end = 0;
    while (end < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[end]);
        const bool doubleByte = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        const qsizetype next = end + (doubleByte ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return bytes.left(end);
}

} // namespace

void IniWriter::int16(IniField, int16_t value)
{
    putLittleEndian(static_cast<uint16_t>(value), 2);
}

void IniWriter::int32(IniField, int32_t value)
{
    putLittleEndian(static_cast<uint32_t>(value), 4);
}

void IniWriter::colour32(IniField, OleColor value)
{
    putLittleEndian(value, 4);
}

void IniWriter::text(IniField field, const QString &value)
{
    QByteArray bytes = base::Cp932::fromUnicode(value);
    if (bytes.size() > MaxTextBytes) {
        if (m_overlongField.isEmpty())
            m_overlongField = field.label();
        bytes = cutToFit(bytes, MaxTextBytes);
    }
    putLittleEndian(static_cast<uint32_t>(bytes.size()), 2);
    m_bytes.append(bytes);
}

void IniWriter::putLittleEndian(uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        m_bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace settings
