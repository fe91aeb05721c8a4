#include "controls/DegitAccessible.h"

#include "controls/M_Degit.h"

namespace controls {

DegitAccessible::DegitAccessible(M_Degit *degit) : ShownTextAccessible(degit)
{
}

M_Degit *DegitAccessible::degit() const
{
    return static_cast<M_Degit *>(widget());
}

QString DegitAccessible::shownText() const
{
    return degit()->shownText();
}

QString DegitAccessible::text(QAccessible::Text t) const
{
    // A row its host left unnamed is at least read by what it shows.
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return shownText();
    return ShownTextAccessible::text(t);
}

void DegitAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&DegitAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface *DegitAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(M_Degit::staticMetaObject.className()) && object && object->isWidgetType())
        return new DegitAccessible(static_cast<M_Degit *>(object));
    return nullptr;
}

void DegitAccessible::shownTextChanged(M_Degit *degit, QString &shown, const QString &now)
{
    announce(degit, shown, now, QAccessible::ValueChanged);
}

} // namespace controls
