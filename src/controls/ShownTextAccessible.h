#pragma once

#include <QAccessibleWidget>
#include <QString>

namespace controls {

// What a screen reader finds in a display control that paints its text rather than holding it
// in a label: the text as it is drawn, read only, through the text interface. A subclass says
// what is shown; changes are announced with announce().
class ShownTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ShownTextAccessible(QWidget *widget);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // The text interface, over the shown text.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    int cursorPosition() const override;
    void setCursorPosition(int) override {}
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // Stores `now` in `shown` and, when it differs and a screen reader listens, tells it that
    // `widget` changed its text (and its name or value, as `kind` says).
    static void announce(QWidget *widget, QString &shown, const QString &now, QAccessible::Event kind);

    // Sends the announcements to `handler` instead of Qt's accessibility layer, which passes
    // nothing on while no screen reader is active (never on the offscreen platform); nullptr
    // sends them to Qt again. Returns the handler it replaces.
    static QAccessible::UpdateHandler divertAnnouncements(QAccessible::UpdateHandler handler);

protected:
    virtual QString shownText() const = 0;
};

} // namespace controls
