#include "settings/IniReader.h"

#include "base/Cp932.h"

namespace settings {

void IniReader::int16(IniField, int16_t &value)
{
    if (const auto v = takeLittleEndian(2))
        value = static_cast<int16_t>(static_cast<uint16_t>(*v));
}

void IniReader::int32(IniField, int32_t &value)
{
    if (const auto v = takeLittleEndian(4))
        value = static_cast<int32_t>(*v);
}

void IniReader::colour32(IniField, OleColor &value)
{
    if (const auto v = takeLittleEndian(4))
        value = *v;
}

void IniReader::text(IniField, QString &value)
{
    const auto count = takeLittleEndian(2);
    if (!count)
        return;
    if (qsizetype(*count) > m_bytes.size() - m_pos) {
        dropTheRest();
        return;
    }
    value = base::Cp932::toUnicode(m_bytes.mid(m_pos, *count));
    m_pos += *count;
}

std::optional<uint32_t> IniReader::takeLittleEndian(int byteCount)
{
    if (m_bytes.size() - m_pos < byteCount) {
        dropTheRest();
        return std::nullopt;
    }
    uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(m_bytes[m_pos + i])) << (8 * i);
    m_pos += byteCount;
    return value;
}

void IniReader::dropTheRest()
{
    m_ranShort = true;
    m_pos = m_bytes.size();
}

} // namespace settings
