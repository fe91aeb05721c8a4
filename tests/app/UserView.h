#pragma once

// What a user at the screen can see and reach with the keyboard.

#include <QApplication>
#include <QRect>
#include <QKeyEvent>
#include <QList>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <optional>

// Shown, inside its window, and not covered by another control at its centre (or at `local`).
inline bool userCanSee(QWidget *w, std::optional<QPoint> local = std::nullopt)
{
    if (!w->isVisible())
        return false;
    QWidget *window = w->window();
    const QPoint centre = w->mapTo(window, local.value_or(w->rect().center()));
    if (!window->rect().contains(centre))
        return false;
    QWidget *hit = window->childAt(centre);
    return hit == w || w->isAncestorOf(hit);
}

// Shows `window` as the active window, as the user meets it: focus moves inside it send their
// focus events, which exclusive option buttons need to leave Tab to the chosen one.
inline void showActive(QWidget &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
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

// A key pressed and released where the keyboard focus of `window` is.
inline void pressKey(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = window->focusWidget();
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(focus ? focus : window, &event);
    }
}

// True when `next` comes after `previous` as one reads the screen: on a lower line, or further
// right on the same line.
inline bool readsAfter(QWidget *previous, QWidget *next)
{
    const QRect a(previous->mapToGlobal(QPoint(0, 0)), previous->size());
    const QRect b(next->mapToGlobal(QPoint(0, 0)), next->size());
    const int middle = b.center().y();
    if (middle != std::clamp(middle, a.top(), a.bottom()))
        return middle > a.bottom();
    return b.left() > a.left();
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
