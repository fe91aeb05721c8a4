#pragma once

// What a screen reader says for the controls of a window, read through Qt's accessibility layer
// in-process (no AT-SPI needed).

#include <QAccessible>
#include <QStringList>
#include <QWidget>

#include <algorithm>

// The name a screen reader speaks for `w`. On Linux Qt names a combo box by the entry it shows and
// gives its caption as a label relation, so for combo boxes the name given to the control, or
// else the text labelling it, counts.
inline QString spokenName(QWidget *w)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    if (!iface)
        return QString();
    if (iface->role() != QAccessible::ComboBox)
        return iface->text(QAccessible::Name);
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    for (const auto &[label, relation] : iface->relations(QAccessible::Label)) {
        if (label->role() == QAccessible::StaticText)
            return label->text(QAccessible::Name);
    }
    return QString();
}

// True when a name says something: it holds a letter or a digit, not marks only ("...", "■", "×").
inline bool saysSomething(const QString &name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// The controls of `window` that take the keyboard focus but have no name that says something,
// each as "objectName (class)". Hidden and disabled controls count too: hidden pages and groups
// are shown later. Popups the controls own (a combo box's list) are windows of their own and left
// out.
inline QStringList unnamedFocusableControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (!saysSomething(spokenName(w)))
            unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
    }
    return unnamed;
}
