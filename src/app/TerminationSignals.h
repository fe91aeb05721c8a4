#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

namespace app {

// Ctrl+C in the terminal (SIGINT), SIGTERM and a hang-up (SIGHUP, as at logout) reach the
// program as a Qt signal on the user-interface thread, where the program ends as after a
// confirmed close. The system's handler only writes the signal number into a pipe that the
// event loop watches, since nothing else is safe inside a signal handler.
//
// One instance at a time; it takes the three signals over while it lives and gives the
// previous handlers back when it goes.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // False when the pipe could not be made; the signals then keep their previous handlers.
    bool isActive() const { return m_notifier != nullptr; }

    static constexpr std::array<int, 3> Handled{SIGINT, SIGTERM, SIGHUP};

signals:
    // Reported once: the program is ending, and further signals change nothing.
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    std::array<struct sigaction, Handled.size()> m_previous{};
    bool m_reported = false;
};

} // namespace app
