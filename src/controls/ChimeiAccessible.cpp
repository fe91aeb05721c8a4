#include "controls/ChimeiAccessible.h"

#include "controls/ChimeiCtl_DX.h"

namespace controls {

ChimeiAccessible::ChimeiAccessible(ChimeiCtl_DX *display) : ShownTextAccessible(display)
{
}

QString ChimeiAccessible::shownText() const
{
    return static_cast<ChimeiCtl_DX *>(widget())->shownName();
}

QString ChimeiAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return shownText();
    return ShownTextAccessible::text(t);
}

void ChimeiAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ChimeiAccessible::create);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface *ChimeiAccessible::create(const QString &className, QObject *object)
{
    if (className == QLatin1String(ChimeiCtl_DX::staticMetaObject.className()) && object && object->isWidgetType())
        return new ChimeiAccessible(static_cast<ChimeiCtl_DX *>(object));
    return nullptr;
}

void ChimeiAccessible::nameSet(ChimeiCtl_DX *display, QString &shown, const QString &strText, bool tsugiwa)
{
    // The prefix is drawn only with a name; the empty name blanks the whole display.
    const QString now = strText.isEmpty() || !tsugiwa ? strText : QStringLiteral("次は") + strText;
    announce(display, shown, now, QAccessible::NameChanged);
}

} // namespace controls
