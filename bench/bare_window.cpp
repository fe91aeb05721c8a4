// The yardstick of the program's start-up: a bare Qt program that shows one frameless window of
// the panel's size (642 x 314) and paints it grey. Run with HARUNE_EXIT_AFTER_FIRST_PAINT set, it
// ends after its first paint, as the program does (bench/startup.sh times both).
#include "ui/FirstPaint.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow final : public QWidget
{
public:
    BareWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(642, 314);
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(0xF0, 0xF0, 0xF0)); }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    BareWindow window;
    window.show();
    ui::exitAfterFirstPaintIfAsked(window);
    return application.exec();
}
