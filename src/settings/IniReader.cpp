#include "settings/IniReader.h"

#include "platform/Cp932.h"

namespace settings {

void IniReader::int16(IniField, int16_t &value)
{
    value = static_cast<int16_t>(static_cast<uint16_t>(takeLittleEndian(2)));
}

void IniReader::int32(IniField, int32_t &value)
{
    value = static_cast<int32_t>(takeLittleEndian(4));
}

void IniReader::colour32(IniField, OleColor &value)
{
    value = takeLittleEndian(4);
}

void IniReader::text(IniField, QString &value)
{
    const qsizetype count = takeLittleEndian(2);
    if (count > m_bytes.size() - m_pos) {
        m_ranShort = true;
        m_pos = m_bytes.size();
        value.clear();
        return;
    }
    value = platform::Cp932::toUnicode(m_bytes.mid(m_pos, count));
    m_pos += count;
}

uint32_t IniReader::takeLittleEndian(int byteCount)
{
    if (m_bytes.size() - m_pos < byteCount) {
        m_ranShort = true;
        m_pos = m_bytes.size();
        return 0;
    }
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
    m_pos += byteCount;
    return value;
}

} // namespace settings
