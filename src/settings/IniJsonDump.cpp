#include "settings/IniJsonDump.h"

#include <QJsonArray>

namespace settings {

void IniJsonDump::begin(IniField record)
{
    m_recordName = record;
    m_record = QJsonObject();
}

void IniJsonDump::end()
{
    putInto(m_root, m_recordName, m_record);
    m_recordName = IniField{nullptr};
}

void IniJsonDump::colour32(IniField field, OleColor value)
{
    put(field, QStringLiteral("0x") + QString::number(value, 16).rightJustified(8, u'0').toUpper());
}

void IniJsonDump::putInto(QJsonObject &object, IniField field, const QJsonValue &value)
{
    const QString key = QString::fromLatin1(field.name);
    if (field.index < 0) {
        object.insert(key, value);
        return;
    }
    // Indexed fields arrive in index order, so appending builds the array.
    QJsonArray array = object.value(key).toArray();
    array.append(value);
    object.insert(key, array);
}

void IniJsonDump::put(IniField field, const QJsonValue &value)
{
    putInto(m_recordName.name ? m_record : m_root, field, value);
}

} // namespace settings
