#include "base/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace base {
namespace {

constexpr int TemporarySuffixLength = 6;
constexpr int MaxNameAttempts = 100;

AtomicFile::Result failure(int error)
{
    // A step that failed without saying why is still a failure; EIO is the honest guess.
    const int e = error != 0 ? error : EIO;
    return {e, AtomicFile::reasonFor(e)};
}

QString temporaryName(const QString &target)
{
    static const char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + u'.';
    for (int i = 0; i < TemporarySuffixLength; ++i)
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters - 1))]);
    return name;
}

// The file a write replaces: the target of a symbolic link, else the path itself.
QString replacedFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// The rename itself lives in the folder; without this a power cut may still bring back the
// old name.
void syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFile::Result AtomicFile::write(const QString &path, const QByteArray &bytes, Durability durability,
                                     bool createFolder)
{
    if (path.isEmpty())
        return failure(ENOENT);
    const QString target = replacedFile(path);
    const QString folder = QFileInfo(target).absolutePath();
    if (createFolder && !QDir().mkpath(folder))
        return failure(QFileInfo(folder).exists() ? ENOTDIR : EACCES);
    const QByteArray targetName = QFile::encodeName(target);

    // A replaced file keeps its permissions; a new one gets what the user's umask allows.
    struct stat old{};
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return failure(EISDIR);
    const mode_t mode = replacing ? (old.st_mode & 07777) : 0666;

    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < MaxNameAttempts; ++attempt) {
        temporary = QFile::encodeName(temporaryName(target));
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return failure(errno);
    }
    if (fd < 0)
        return failure(EEXIST);

    bool written = writeAll(fd, bytes);
    if (written && replacing)
        written = ::fchmod(fd, mode) == 0;
    if (written && durability == Durability::Synced)
        written = ::fsync(fd) == 0;
    int error = written ? 0 : errno;
    // Some file systems report a failed write-back only when the file is closed.
    if (::close(fd) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error == 0 && ::rename(temporary.constData(), targetName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return failure(error);
    }
    if (durability == Durability::Synced)
        syncFolder(folder);
    return {};
}

int AtomicFile::removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(replacedFile(path));
    const QDir folder = target.absoluteDir();
    const QRegularExpression temporary(QStringLiteral("^%1\\.[A-Za-z0-9]{%2}$")
                                           .arg(QRegularExpression::escape(target.fileName()))
                                           .arg(TemporarySuffixLength));
    int removed = 0;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (temporary.match(name).hasMatch() && QFile::remove(folder.filePath(name)))
            ++removed;
    }
    return removed;
}

QString AtomicFile::reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace base
