#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLocalServer;
class QWidget;

namespace ui {
class MessagePresenter;
} // namespace ui

namespace app {

// One run per settings file. Two runs writing the same file at their close would each throw
// away what the other saved, so a second start with the same settings file asks the running one
// to bring its console to the front and ends.
//
// The runs meet in the user's runtime folder (XDG_RUNTIME_DIR): a lock file held for the whole
// run, and a local socket on which the running one listens for "show". Both are named after a
// hash of the settings file's canonical path, so copies of the program beside their own
// settings files run side by side. A lock left by a run that crashed is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        First,       // this run holds the settings file
        AlreadyHeld, // another run holds it
        Unchecked,   // the runtime folder cannot be used; this run goes on unguarded
    };

    // `runtimeFolder` empty: the user's runtime folder.
    explicit SingleInstance(const QString &settingsFile, const QString &runtimeFolder = {},
                            QObject *parent = nullptr);
    ~SingleInstance() override;

    Claim claim();

    // claim(), and for a later run the hand-over: the exit status this start ends with (0 once
    // the running one has shown its console, 1 after telling the user it did not), or none when
    // this run goes on.
    std::optional<int> claimOrHandOver(ui::MessagePresenter &messages, int timeoutMs = 3000);

    // What the first run does on "show": its console comes to the front, on top and active.
    static void bringToFront(QWidget &window);

    // The first run: what to do when another start asks for the console.
    void setShowRequestHandler(std::function<void()> handler) { m_onShowRequest = std::move(handler); }

    // A later run: asks the running one to show its console; true once it has answered.
    bool askRunningToShow(int timeoutMs = 3000);

    // The lock this run holds while it runs; empty without a runtime folder.
    QString lockFilePath() const { return m_lock ? m_lock->fileName() : QString(); }

    // The settings file as the key sees it: the canonical path, also for a file not yet written.
    static QString canonicalSettingsPath(const QString &settingsFile);
    // What a later run tells the user when the running one did not answer.
    static QString notShownMessage(const QString &settingsFile);

private:
    void listen();
    void answer();

    QString m_settingsFile;
    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
    std::function<void()> m_onShowRequest;
};

} // namespace app
