#pragma once

// What a user at the screen can see and reach with the keyboard.

#include <QApplication>
#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QWidget>

// Shown, inside its window, and not covered by another control at its centre.
inline bool userCanSee(QWidget *w)
{
    if (!w->isVisible())
        return false;
    QWidget *window = w->window();
    const QPoint centre = w->mapTo(window, w->rect().center());
    if (!window->rect().contains(centre))
        return false;
    QWidget *hit = window->childAt(centre);
    return hit == w || w->isAncestorOf(hit);
}

// The controls that Tab visits, once round the window.
inline QList<QWidget *> tabStops(QWidget *window, int limit = 200)
{
    QList<QWidget *> stops;
    for (int i = 0; i < limit; ++i) {
        QWidget *focus = window->focusWidget();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(focus ? focus : window, &tab);
        QWidget *now = window->focusWidget();
        if (!now || stops.contains(now))
            break;
        stops << now;
    }
    return stops;
}

// A left click at `local`, press and release.
inline void clickAt(QWidget *target, QPoint local)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}
