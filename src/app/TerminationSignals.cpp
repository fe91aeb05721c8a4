#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace app {
namespace {

// The pipe's two ends: the handler writes into [1], the event loop reads from [0].
int g_pipe[2] = {-1, -1};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Non-blocking: with the pipe full a signal is already waiting to be read.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    int ends[2];
    if (g_pipe[0] != -1 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_pipe[0] = ends[0];
    g_pipe[1] = ends[1];
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // A blocking call that a signal interrupts carries on.
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &action, &m_previous[i]);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &m_previous[i], nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        last = byte;
    if (last == 0 || m_reported)
        return;
    m_reported = true;
    emit received(last);
}

} // namespace app
