#pragma once

#include "controls/ShownTextAccessible.h"

namespace controls {

class ChimeiCtl_DX;

// The stop-name display as a screen reader meets it: its name and text are the name it shows,
// "次は" included when the prefix is drawn, and empty while it is blank. Every new name is
// announced as a change of name and of text, so the next stop is read out.
class ChimeiAccessible : public ShownTextAccessible
{
public:
    explicit ChimeiAccessible(ChimeiCtl_DX *display);

    QString text(QAccessible::Text t) const override;
    using ShownTextAccessible::text;

    // Makes Qt build this interface for every ChimeiCtl_DX; once per program, before the first
    // one is asked for.
    static void install();
    // Called by the display whenever it is given a name to show.
    static void nameSet(ChimeiCtl_DX *display, QString &shown, const QString &strText, bool tsugiwa);

protected:
    QString shownText() const override;

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace controls
