#include "controls/PropertyBag.h"

#include <QStringList>

namespace controls {

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    for (const auto &[key, value] : m_items) {
        if (key == name)
            return value;
    }
    return defaultValue;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue)
{
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (it->first == name) {
            m_items.erase(it);
            break;
        }
    }
    if (defaultValue.isValid() && value == defaultValue)
        return;
    m_items.emplace_back(name, value);
}

bool PropertyBag::contains(const QString &name) const
{
    for (const auto &item : m_items) {
        if (item.first == name)
            return true;
    }
    return false;
}

QStringList PropertyBag::names() const
{
    QStringList out;
    for (const auto &item : m_items)
        out << item.first;
    return out;
}

PropertyBag &PropertyBag::with(const QString &name, const QVariant &value)
{
    WriteProperty(name, value);
    return *this;
}

} // namespace controls
