#include "base/Clock.h"

#include <QThread>
#include <chrono>

namespace base {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

int64_t SystemClock::elapsedMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ThreadSleeper::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
    else
        QThread::yieldCurrentThread();
}

} // namespace base
