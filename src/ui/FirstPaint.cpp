#include "ui/FirstPaint.h"

#include <QEvent>
#include <QWidget>

#include <cstdlib>

namespace ui {
namespace {

class FirstPaintWatcher final : public QObject
{
public:
    FirstPaintWatcher(QWidget &window, std::function<void()> work) : QObject(&window), m_work(std::move(work))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The paint runs inside the repaint manager's flush; a queued call runs once the
        // painted picture has been put to the server.
        if (event->type() == QEvent::Paint && watched == parent()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [this] {
                m_work();
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
};

} // namespace

void runAfterFirstPaint(QWidget &window, std::function<void()> work)
{
    new FirstPaintWatcher(window, std::move(work));
}

void exitAfterFirstPaintIfAsked(QWidget &window)
{
    if (!qEnvironmentVariableIsEmpty("HARUNE_EXIT_AFTER_FIRST_PAINT"))
        runAfterFirstPaint(window, [] { std::_Exit(0); });
}

} // namespace ui
