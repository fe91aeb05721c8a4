#include "reslib/PluginLoader.h"

#include "reslib/ElfImage.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace reslib {
namespace {

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool readAll(int fd, QByteArray &into, qint64 size)
{
    into.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, into.data() + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    // A file still growing is caught in the middle of being written.
    char extra;
    return ::read(fd, &extra, 1) == 0;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

PluginLoad refuse(const QString &why)
{
    return {nullptr, why};
}

QString systemError(int error)
{
    return error == ENOENT ? QStringLiteral("no such file") : QString::fromLocal8Bit(::strerror(error));
}

// The loader's own words, about the file by its real name rather than the name of the copy.
QString loaderErrorText(const QByteArray &loadedName, const QString &path)
{
    const char *error = ::dlerror();
    QString text = error ? QString::fromLocal8Bit(error) : QStringLiteral("no reason given");
    text.replace(QString::fromLocal8Bit(loadedName), path);
    return text;
}

// The entry points the library does not export, as a reason; empty when it exports them all.
QString missingEntryPoints(const QByteArray &image)
{
    const std::optional<QByteArrayList> defined = ElfImage::definedFunctions(image);
    if (!defined)
        return QStringLiteral("its dynamic symbol table cannot be read, so its entry points cannot be found");
    QByteArrayList missing;
    for (const QByteArray &name : PluginLoader::entryPoints()) {
        if (!defined->contains(name))
            missing << name;
    }
    if (missing.isEmpty())
        return {};
    const QString names = QString::fromLatin1(missing.join(", "));
    return missing.size() == 1 ? QStringLiteral("it does not export the entry point %1").arg(names)
                               : QStringLiteral("it does not export the entry points %1").arg(names);
}

template <typename F>
F entryPoint(void *handle, const char *name)
{
    return reinterpret_cast<F>(::dlsym(handle, name));
}

} // namespace

PluginLoader &PluginLoader::instance()
{
    static PluginLoader loader;
    return loader;
}

const QByteArrayList &PluginLoader::entryPoints()
{
    static const QByteArrayList names = {SEIRIKEN_SYMBOL_INTERFACE_VERSION, SEIRIKEN_SYMBOL_GET_PLG_INFO,
                                         SEIRIKEN_SYMBOL_GET_COMMENT, SEIRIKEN_SYMBOL_GET_CORP_NAMES,
                                         SEIRIKEN_SYMBOL_DRAW};
    return names;
}

PluginLoad PluginLoader::load(const QString &file)
{
    if (file.isEmpty())
        return refuse(QStringLiteral("no file is named"));
    const QString path = QFileInfo(file).absoluteFilePath();
    if (m_crashRecord.isBlocked(path))
        return refuse(QStringLiteral("it crashed the program before; it is not loaded again until it is chosen "
                                     "again in the options or the file changes"));

    std::lock_guard lock(m_mutex);
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const int error = errno;
        m_entries.erase(path);
        return refuse(systemError(error));
    }
    if (!S_ISREG(st.st_mode)) {
        m_entries.erase(path);
        return refuse(QStringLiteral("not a regular file"));
    }
    Signature signature{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), nanoseconds(st.st_mtim),
                        nanoseconds(st.st_ctim)};
    const auto known = m_entries.find(path);
    if (known != m_entries.end() && known->second.signature == signature)
        return known->second.load;

    const PluginLoad load = loadFresh(path, signature);
    m_entries[path] = Entry{signature, load};
    return load;
}

PluginLoad PluginLoader::loadFresh(const QString &path, Signature &signature)
{
    // Not blocking on open: a FIFO swapped in after the look above must not hang the program.
    FileDescriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return refuse(systemError(errno));
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return refuse(QStringLiteral("not a regular file"));
    // What was read is what the cache remembers.
    signature = Signature{quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size), nanoseconds(st.st_mtim),
                          nanoseconds(st.st_ctim)};
    if (st.st_size > MaxFileSize)
        return refuse(QStringLiteral("larger than %1 MiB; no plug-in is that large").arg(MaxFileSize >> 20));
    QByteArray image;
    if (!readAll(fd.get(), image, st.st_size))
        return refuse(QStringLiteral("cannot be read whole (is it still being written?)"));
    const ElfVerdict verdict = ElfImage::verdict(image);
    if (verdict.problem != ElfProblem::None)
        return refuse(ElfImage::describe(verdict));
    if (const QString missing = missingEntryPoints(image); !missing.isEmpty())
        return refuse(missing);
    return openLibrary(image, path);
}

PluginLoad PluginLoader::openLibrary(const QByteArray &image, const QString &path)
{
    void *handle = nullptr;
    QString loaderError;
    FileDescriptor copy(::memfd_create("seiriken-plugin", MFD_CLOEXEC));
    if (copy.get() >= 0 && writeAll(copy.get(), image)) {
        // The copy's name must stay unique while its library is loaded, or the loader would
        // hand out the old library for a new copy: the descriptor stays open until the end.
        const QByteArray copyName = "/proc/self/fd/" + QByteArray::number(copy.get());
        handle = ::dlopen(copyName.constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle)
            copy.release();
        else
            loaderError = loaderErrorText(copyName, path);
    }
    // Without a copy to load (no memory files, no /proc), the file itself is loaded.
    if (!handle && (copy.get() < 0 || ::access("/proc/self/fd", F_OK) != 0)) {
        handle = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            loaderError = loaderErrorText(QFile::encodeName(path), path);
    }
    if (!handle)
        return refuse(QStringLiteral("the dynamic loader refuses it: %1").arg(loaderError));

    // A library refused from here on stays loaded: its constructors have run, and whatever they
    // set up may be in use.
    const auto version = entryPoint<SeirikenInterfaceVersionFn>(handle, SEIRIKEN_SYMBOL_INTERFACE_VERSION);
    if (!version)
        return refuse(QStringLiteral("the dynamic loader does not find %1").arg(QLatin1String(SEIRIKEN_SYMBOL_INTERFACE_VERSION)));
    if (const int32_t v = version(); v != SEIRIKEN_INTERFACE_VERSION)
        return refuse(QStringLiteral("%1 returns %2; this program takes plug-ins of interface version %3")
                          .arg(QLatin1String(SEIRIKEN_SYMBOL_INTERFACE_VERSION))
                          .arg(v)
                          .arg(SEIRIKEN_INTERFACE_VERSION));
    auto plugin = std::make_unique<LoadedPlugin>();
    plugin->getPlgInfo = entryPoint<SeirikenGetPlgInfoFn>(handle, SEIRIKEN_SYMBOL_GET_PLG_INFO);
    plugin->getComment = entryPoint<SeirikenGetTextFn>(handle, SEIRIKEN_SYMBOL_GET_COMMENT);
    plugin->getCorpNames = entryPoint<SeirikenGetTextFn>(handle, SEIRIKEN_SYMBOL_GET_CORP_NAMES);
    plugin->draw = entryPoint<SeirikenDrawFn>(handle, SEIRIKEN_SYMBOL_DRAW);
    if (!plugin->getPlgInfo || !plugin->getComment || !plugin->getCorpNames || !plugin->draw)
        return refuse(QStringLiteral("the dynamic loader does not find every entry point"));
    m_loaded.push_back(std::move(plugin));
    return {m_loaded.back().get(), {}};
}

} // namespace reslib
