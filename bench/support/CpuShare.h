#pragma once

// What a running scroll costs: the CPU time of this process as a share of one core while the
// event loop runs, and the paints a watched widget gets meanwhile.

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <sys/resource.h>
#include <unistd.h>

namespace bench {

// Counts the paints a widget receives, to show the scroll really draws while measured.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The CPU time so far of the X server of $DISPLAY, when it runs on this machine and says its
// process in /tmp/.X<n>-lock (as Xorg and Xvfb do); negative otherwise. Under X11 the server
// does part of the drawing, so its share belongs beside the program's.
inline double xServerCpuSeconds()
{
    const QRegularExpressionMatch display =
        QRegularExpression(QStringLiteral("^:(\\d+)")).match(qEnvironmentVariable("DISPLAY"));
    if (!display.hasMatch())
        return -1;
    QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(display.captured(1)));
    if (!lock.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pid = lock.readAll().trimmed();
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid)));
    if (pid.isEmpty() || !stat.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the command name in parentheses; utime and stime are the 14th and 15th.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

struct Share
{
    double cpuPercent = 0;
    double paintsPerSecond = 0;
    double xServerCpuPercent = -1; // negative: not known
};

// Measures the CPU the process spends while `run` goes on for `seconds`.
template<typename Run>
Share measure(QWidget &watched, double seconds, Run run)
{
    PaintCounter counter;
    watched.installEventFilter(&counter);
    const double cpuBefore = cpuSeconds();
    const double serverBefore = xServerCpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    run(seconds);
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = cpuSeconds() - cpuBefore;
    const double serverAfter = xServerCpuSeconds();
    watched.removeEventFilter(&counter);
    const double server = serverBefore >= 0 && serverAfter >= 0 ? 100.0 * (serverAfter - serverBefore) / wall : -1;
    return {100.0 * cpu / wall, counter.paints / wall, server};
}

// The event loop, for `seconds`.
inline void runEventLoop(double seconds)
{
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the windows come up and settle.
inline void settle()
{
    runEventLoop(0.3);
}

inline bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace bench
