#pragma once

#include "controls/ShownTextAccessible.h"

namespace controls {

class M_Degit;

// A digit row as a screen reader meets it: named by its host ("整理券 3 の運賃"), its value and
// text the digits it lights ("170", "" when blank, "8888" in the lamp test).
class DegitAccessible : public ShownTextAccessible
{
public:
    explicit DegitAccessible(M_Degit *degit);

    QString text(QAccessible::Text t) const override;
    using ShownTextAccessible::text;

    // Makes Qt build this interface for every M_Degit; once per program, before the first one is
    // asked for.
    static void install();
    // Called by the control when the digits it shows change.
    static void shownTextChanged(M_Degit *degit, QString &shown, const QString &now);

protected:
    QString shownText() const override;

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
    M_Degit *degit() const;
};

} // namespace controls
