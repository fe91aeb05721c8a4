#pragma once

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace controls {

// The persisted property set of a control, as a host form keeps it in its designer data.
// Properties are kept in the order they were written; a value equal to its default is not
// written, and reading a name that is absent gives the default the reader passes.
class PropertyBag
{
public:
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = {}) const;
    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue = {});

    bool contains(const QString &name) const;
    QStringList names() const;
    bool isEmpty() const { return m_items.empty(); }

    // Builder used for designer data: bag.with("Keta", 4).with("DegitStyle", 1)
    PropertyBag &with(const QString &name, const QVariant &value);

private:
    std::vector<std::pair<QString, QVariant>> m_items;
};

} // namespace controls
