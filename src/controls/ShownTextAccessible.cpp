#include "controls/ShownTextAccessible.h"

#include <QAccessibleEvent>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace controls {

ShownTextAccessible::ShownTextAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::StaticText)
{
}

void *ShownTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ShownTextAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

QString ShownTextAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return shownText();
    return QAccessibleWidget::text(t);
}

QString ShownTextAccessible::text(int startOffset, int endOffset) const
{
    const QString shown = shownText();
    // AT-SPI asks for the whole text with -1 as the end.
    if (endOffset < 0 || endOffset > shown.size())
        endOffset = static_cast<int>(shown.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return shown.mid(startOffset, endOffset - startOffset);
}

int ShownTextAccessible::characterCount() const
{
    return static_cast<int>(shownText().size());
}

int ShownTextAccessible::cursorPosition() const
{
    return 0;
}

void ShownTextAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ShownTextAccessible::selectionCount() const
{
    return 0;
}

QRect ShownTextAccessible::characterRect(int) const
{
    // The glyphs are painted, not laid out as text; the control as a whole is the best answer.
    return rect();
}

int ShownTextAccessible::offsetAtPoint(const QPoint &) const
{
    return -1;
}

QString ShownTextAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return QString();
}

namespace {

QAccessible::UpdateHandler diverted = nullptr;

void send(QAccessibleEvent *event)
{
    if (diverted)
        diverted(event);
    else
        QAccessible::updateAccessibility(event);
}

} // namespace

void ShownTextAccessible::announce(QWidget *widget, QString &shown, const QString &now, QAccessible::Event kind)
{
    if (shown == now)
        return;
    const QString before = std::exchange(shown, now);
    // The panel redraws thirty cells per step: without a listener no event is made.
    if (!diverted && !QAccessible::isActive())
        return;
    if (kind == QAccessible::ValueChanged) {
        QAccessibleValueChangeEvent value(widget, now);
        send(&value);
    } else {
        QAccessibleEvent event(widget, kind);
        send(&event);
    }
    QAccessibleTextUpdateEvent text(widget, 0, before, now);
    send(&text);
}

QAccessible::UpdateHandler ShownTextAccessible::divertAnnouncements(QAccessible::UpdateHandler handler)
{
    return std::exchange(diverted, handler);
}

} // namespace controls
