#include "app/SingleInstance.h"

#include "ui/MessagePresenter.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace app {
namespace {

const QByteArray ShowRequest = QByteArrayLiteral("show\n");
const QByteArray ShownReply = QByteArrayLiteral("shown\n");
// Nothing longer is ever sent; a peer that sends more is not one of ours.
constexpr qint64 MaxLine = 64;

QString keyOf(const QString &canonicalPath)
{
    const QByteArray hash = QCryptographicHash::hash(canonicalPath.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("harune-") + QString::fromLatin1(hash.toHex().left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsFile, const QString &runtimeFolder, QObject *parent)
    : QObject(parent), m_settingsFile(canonicalSettingsPath(settingsFile))
{
    const QString folder = runtimeFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                               : runtimeFolder;
    if (folder.isEmpty())
        return;
    const QString base = QDir(folder).filePath(keyOf(m_settingsFile));
    m_socketPath = base + QStringLiteral(".socket");
    m_lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    // The lock lasts as long as the run; only a run that no longer exists leaves it stale.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::canonicalSettingsPath(const QString &settingsFile)
{
    const QFileInfo file(settingsFile);
    const QString canonical = file.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // Not written yet: the folder that will hold it decides.
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(file.absoluteFilePath()) : QDir(folder).filePath(file.fileName());
}

QString SingleInstance::notShownMessage(const QString &settingsFile)
{
    return QStringLiteral("同じ設定ファイルを使うハルネが既に起動しています。\n%1\n\n"
                          "起動中のハルネの集中操作盤を前面に出せませんでした。"
                          "起動中のハルネを終了してから、もう一度起動してください。")
        .arg(canonicalSettingsPath(settingsFile));
}

SingleInstance::Claim SingleInstance::claim()
{
    if (!m_lock)
        return Claim::Unchecked;
    if (m_lock->tryLock(0)) {
        listen();
        return Claim::First;
    }
    return m_lock->error() == QLockFile::LockFailedError ? Claim::AlreadyHeld : Claim::Unchecked;
}

std::optional<int> SingleInstance::claimOrHandOver(ui::MessagePresenter &messages, int timeoutMs)
{
    if (claim() != Claim::AlreadyHeld)
        return std::nullopt;
    if (askRunningToShow(timeoutMs))
        return 0;
    messages.show(nullptr, notShownMessage(m_settingsFile), ui::MessagePresenter::applicationTitle(),
                  ui::MessagePresenter::Buttons::Ok, ui::MessagePresenter::Icon::Warning);
    return 1;
}

void SingleInstance::bringToFront(QWidget &window)
{
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void SingleInstance::listen()
{
    // A socket file still there belongs to a run that ended without removing it: the lock,
    // now ours, says no one else listens on it.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    if (!m_server->listen(m_socketPath)) {
        // Later starts then find no one to ask and say so.
        delete m_server;
        m_server = nullptr;
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxLine)
                    socket->abort();
                return;
            }
            if (socket->readLine(MaxLine) == ShowRequest) {
                if (m_onShowRequest)
                    m_onShowRequest();
                socket->write(ShownReply);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}

bool SingleInstance::askRunningToShow(int timeoutMs)
{
    if (m_socketPath.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(ShowRequest);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    return socket.readLine(MaxLine) == ShownReply;
}

} // namespace app
